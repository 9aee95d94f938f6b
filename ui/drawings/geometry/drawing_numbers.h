#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The numbers a drawing shows, read from what the user typed and written
// back as a drawing labels its sizes.
namespace dravik {

// A field's text read as the calculation reads it (a point typed out of
// habit taken as the decimal comma); nothing when it is not a number, and
// the drawing then falls back to its explanatory picture.
std::optional<double> typedNumber(const QString& text);

// Every text of `texts` read as above; nothing when one of them is not a number.
std::optional<std::vector<double>> typedNumbers(const QStringList& texts);

// A size as the drawings write it: whole millimetres when it is whole to a
// twentieth, otherwise one decimal, with a decimal comma ("124", "27,4").
QString sizeText(double mm);

// "name=size", the label of a dimension.
QString sizeLabel(const QString& name, double mm);

}  // namespace dravik
