#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>

namespace dravik {

// The cells A1:B13 of one sheet as texts: rows 1..13, columns 1 (induction)
// and 2 (the curve's value). curveSheet[r-1][c-1] is cell (r, c).
inline constexpr int kCurveSheetRows = 13;
inline constexpr int kCurveSheetColumns = 2;
using CurveSheet = std::array<std::array<QString, kCurveSheetColumns>, kCurveSheetRows>;

// A curve workbook is a few kilobytes; more than this many bytes to unpack
// (or on disk) means the file is not one and reading stops.
inline constexpr qint64 kWorkbookReadLimit = 50LL * 1024 * 1024;

// Reads the steel curves of a workbook: the sheets "Лист1", "Лист2" and
// "Лист3" (losses, magnetising power in the rod, in the butt joint), matched
// by exact name, in that order. Both .xlsx and .ods workbooks are read; the
// kind is told by the content, not by the file name.
//
// A number cell becomes a text in plain notation with a decimal comma and at
// most 15 significant digits, as a spreadsheet shows it (1.5 -> "1,5",
// 16600 -> "16600", 0.01 -> "0,01"; very small or large values as "1E-5").
// Text cells are taken as they are, a formula gives its cached value and an
// empty or absent cell gives "".
//
// All three sheets are read before anything is returned. Throws CommandError
// naming the file when it is missing or unreadable, lacks one of the sheets,
// is damaged or not a workbook, or would unpack to more than readLimitBytes.
// Document type declarations are refused.
std::array<CurveSheet, 3> readCurveWorkbook(const QString& path, qint64 readLimitBytes = kWorkbookReadLimit);

// The same for a workbook's bytes already in memory; messages name it `shownPath`.
std::array<CurveSheet, 3> readCurveWorkbook(const QByteArray& contents, const QString& shownPath,
                                            qint64 readLimitBytes = kWorkbookReadLimit);

}  // namespace dravik
