#pragma once

#include <QString>

namespace dravik {

// Report numbers. F3/F1: fixed notation rounded once, on the exact binary
// value, to the coarser of 5 significant digits and 3 (1) decimals; a true
// half goes away from zero (1.0625 -> "1,063"); the result is shown with
// exactly 3 (1) decimals and a decimal comma. A value whose rounding has
// more than 5 integer digits is written "1,2346E+005". A negative value
// that rounds to zero is written without a sign.
QString formatF3(double value);
QString formatF1(double value);
QString formatFixed(double value, int decimals);

// F3 and F1 of a value about to be written into a report: a value that is
// not finite or exceeds 1e12 in magnitude stops the command with "Invalid
// floating point operation" instead, so no report ever shows one.
QString reportF3(double value);
QString reportF1(double value);

// Whole millimetres of the standard core sheets: rounded half away from zero.
QString formatWholeRoundedAway(long double value);

// Reads a number field typed with a decimal comma: optional blanks, sign,
// digits with at most one comma, optional exponent. Anything else (an empty
// text, " ", "nan", "inf", a leftover ".") raises the conversion error
// "'TEXT' is not a valid floating point value". The result is finite.
double parseFloat(const QString& text);

// Reads an integer field: optional blanks, sign and decimal digits within
// the 32-bit range; otherwise "'TEXT' is not a valid integer value".
int parseInt(const QString& text);

// The first "." of a number text becomes "," (a point typed out of habit).
QString firstPointToComma(const QString& text);

}  // namespace dravik
