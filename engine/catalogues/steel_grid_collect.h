#pragma once

#include "catalogues/steel_curves.h"

#include <QString>
#include <array>

namespace dravik {

// The steel editor's blank: an empty cell or field holds one space, and
// only that text counts as blank (an empty text is a typed nothing).
inline const QString kBlankMarker = QStringLiteral(" ");

// The texts of one curve grid as the steel editor holds them.
struct CurveGridTexts {
    int rowCount = kCurvePoints;                          // the grid's spin edit: rows 1..rowCount are the curve
    std::array<std::array<QString, 2>, kPointRoom> cells;  // cells[r-1] is grid row r (columns 0: B, 1: value)
    QString control;                                      // the grid's objectName
    std::array<QString, 2> heads;                         // the column heads, as row 0 shows them
};

// What "Introduce a new type of steel" and "Save the changes" collect from
// the three grids (losses, magnetising power in the rod, in the butt joint).
//
// First all three grids are trimmed: from the counted row up, while its
// induction cell is blank, the count drops by one (not below 1). Then, grid
// by grid, rows 1..count are read, induction before value: a blank cell
// becomes "0,01" (the no-data value, also left in `grids`), a "." typed as decimal point is read as "," (the cell keeps its
// text), the text is converted and the number checked: an induction above 0
// and at most 3 T, a loss or magnetising power not below 0.
//
// A cell that is not a number stops the collection with the conversion
// error, one out of range with "L must be R: T", L the column's head and the
// row ("pс, W/kg, row 3"), T the text as converted. `grids` then keeps the
// counts and "0,01" cells already set.
std::array<RawCurve, 3> collectCurveGrids(std::array<CurveGridTexts, 3>& grids);

}  // namespace dravik
