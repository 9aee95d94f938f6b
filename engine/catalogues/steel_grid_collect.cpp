#include "catalogues/steel_grid_collect.h"

#include "common/number_text.h"

#include <algorithm>

namespace dravik {
namespace {

// What a blank cell stands for: no data at this point.
const QString kNoDataText = QStringLiteral("0,01");

constexpr int kMinRows = 1;
constexpr int kMaxRows = kPointRoom;

// Rows at the end of the counted range whose induction is blank are not
// part of the curve: the user filled fewer rows than the spin edit shows.
void trimBlankTail(CurveGridTexts& grid) {
    grid.rowCount = std::clamp(grid.rowCount, kMinRows, kMaxRows);
    while (grid.rowCount > kMinRows && grid.cells[grid.rowCount - 1][0] == kBlankMarker) --grid.rowCount;
}

double readCell(QString& cell) {
    if (cell == kBlankMarker) cell = kNoDataText;
    return parseFloat(firstPointToComma(cell));
}

RawCurve readCurve(CurveGridTexts& grid) {
    RawCurve curve;
    curve.reserve(static_cast<size_t>(grid.rowCount));
    for (int row = 0; row < grid.rowCount; ++row) {
        RawPoint point;
        point.B = readCell(grid.cells[row][0]);
        point.value = readCell(grid.cells[row][1]);
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
