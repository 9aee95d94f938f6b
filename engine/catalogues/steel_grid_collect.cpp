#include "catalogues/steel_grid_collect.h"

#include "common/command_error.h"
#include "common/input_range.h"
#include "common/number_text.h"

#include <algorithm>
#include <limits>

namespace dravik {
namespace {

// What a blank cell stands for: no data at this point.
const QString kNoDataText = QStringLiteral("0,01");

constexpr int kMinRows = 1;
constexpr int kMaxRows = kPointRoom;

// What a cell may hold, by column: an induction no steel exceeds, and a
// loss or magnetising power, which is never negative.
constexpr std::array<InputRange, 2> kCellRanges{{
    {0, false, 3, "above 0 and at most 3"},
    {0, true, std::numeric_limits<double>::max(), "at least 0"},
}};

// Rows at the end of the counted range whose induction is blank are not
// part of the curve: the user filled fewer rows than the spin edit shows.
void trimBlankTail(CurveGridTexts& grid) {
    grid.rowCount = std::clamp(grid.rowCount, kMinRows, kMaxRows);
    while (grid.rowCount > kMinRows && grid.cells[grid.rowCount - 1][0] == kBlankMarker) --grid.rowCount;
}

// Cell (row, column), rows counted from 1 as the grid numbers them.
double readCell(CurveGridTexts& grid, int row, int column) {
    QString& cell = grid.cells[row - 1][column];
    if (cell == kBlankMarker) cell = kNoDataText;
    const QString text = firstPointToComma(cell);
    const double value = readField(grid.control, [&] { return parseFloat(text); });
    const QString caption = QStringLiteral("%1, row %2").arg(grid.heads[column]).arg(row);
    requireInRange(value, kCellRanges[column], FieldName{grid.control, caption}, text);
    return value;
}

RawCurve readCurve(CurveGridTexts& grid) {
    RawCurve curve;
    curve.reserve(static_cast<size_t>(grid.rowCount));
    for (int row = 1; row <= grid.rowCount; ++row) {
        RawPoint point;
        point.B = readCell(grid, row, 0);
        point.value = readCell(grid, row, 1);
        curve.push_back(point);
    }
    return curve;
}

}  // namespace

std::array<RawCurve, 3> collectCurveGrids(std::array<CurveGridTexts, 3>& grids) {
    for (CurveGridTexts& grid : grids) trimBlankTail(grid);
    std::array<RawCurve, 3> curves;
    for (size_t i = 0; i < grids.size(); ++i) curves[i] = readCurve(grids[i]);
    return curves;
}

}  // namespace dravik
