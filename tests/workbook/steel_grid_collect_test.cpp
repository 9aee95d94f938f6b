#include "catalogues/steel_grid_collect.h"

#include "common/command_error.h"

#include <gtest/gtest.h>

using namespace dravik;

namespace {

// Three grids as the editor shows them after a reset: 25 counted rows, every
// cell blank, with the left grid's heads and name.
std::array<CurveGridTexts, 3> blankGrids() {
    std::array<CurveGridTexts, 3> grids;
    for (auto& grid : grids) {
        for (auto& cells : grid.cells) cells = {kBlankMarker, kBlankMarker};
        grid.control = "SG_q_c";
        grid.heads = {"Bc, T", "pс, W/kg"};
    }
    return grids;
}

void fill(CurveGridTexts& grid, int row, const QString& B, const QString& value) { grid.cells[row - 1] = {B, value}; }

// Sets rows 1..5 of a grid to an ascending loss curve.
void fillFiveRows(CurveGridTexts& grid) {
    const char* B[] = {"0,8", "1,0", "1,2", "1,4", "1,6"};
    const char* p[] = {"0,3", "0,45", "0,6", "0,8", "1,1"};
    for (int r = 1; r <= 5; ++r) fill(grid, r, B[r - 1], p[r - 1]);
}

std::string conversionError(std::array<CurveGridTexts, 3>& grids, QString* field = nullptr) {
    try {
        collectCurveGrids(grids);
    } catch (const CommandError& error) {
        if (field) *field = error.field();
        return error.text().toStdString();
    }
    return "no error";
}

}  // namespace

TEST(SteelGridCollect, TrimsEachGridToItsFilledRowsAndReadsBlanksAsNoData) {
    auto grids = blankGrids();
    fillFiveRows(grids[0]);
    fill(grids[0], 3, kBlankMarker, "0,6");  // induction missing inside the curve
    fill(grids[0], 5, "1,6", kBlankMarker);  // value missing in the last row: the induction keeps the row
    fillFiveRows(grids[1]);
    fill(grids[1], 9, "1,8", "2,0");  // a gap: rows 6..8 stay inside the curve
    fill(grids[2], 1, "1.5", "16600");

    const auto curves = collectCurveGrids(grids);

    EXPECT_EQ(grids[0].rowCount, 5);
    EXPECT_EQ(grids[1].rowCount, 9);
    EXPECT_EQ(grids[2].rowCount, 1);
    ASSERT_EQ(curves[0].size(), 5u);
    EXPECT_DOUBLE_EQ(curves[0][1].B, 1.0);
    EXPECT_DOUBLE_EQ(curves[0][1].value, 0.45);
    EXPECT_DOUBLE_EQ(curves[0][2].B, 0.01);
    EXPECT_DOUBLE_EQ(curves[0][2].value, 0.6);
    EXPECT_DOUBLE_EQ(curves[0][4].value, 0.01);
    EXPECT_EQ(grids[0].cells[2][0], "0,01");  // the window shows what was read
    EXPECT_EQ(grids[0].cells[4][1], "0,01");
    ASSERT_EQ(curves[1].size(), 9u);
    EXPECT_DOUBLE_EQ(curves[1][6].B, 0.01);
    EXPECT_DOUBLE_EQ(curves[1][8].B, 1.8);
    ASSERT_EQ(curves[2].size(), 1u);
    EXPECT_DOUBLE_EQ(curves[2][0].B, 1.5);   // a full stop reads as the decimal comma ...
    EXPECT_EQ(grids[2].cells[0][0], "1.5");  // ... without changing what the cell shows
}

// An untouched grid keeps one row: a single no-data point, which the
// catalogue refuses as a curve.
TEST(SteelGridCollect, AnEmptyGridGivesOneNoDataPoint) {
    auto grids = blankGrids();
    grids[1].rowCount = 1;

    const auto curves = collectCurveGrids(grids);

    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(grids[i].rowCount, 1);
        ASSERT_EQ(curves[i].size(), 1u);
        EXPECT_DOUBLE_EQ(curves[i][0].B, 0.01);
        EXPECT_DOUBLE_EQ(curves[i][0].value, 0.01);
        EXPECT_EQ(grids[i].cells[1][0], kBlankMarker);  // rows beyond the count are not read
    }
}

TEST(SteelGridCollect, ANonNumberStopsAfterTrimmingAllAndFillingEarlierBlanks) {
    auto grids = blankGrids();
    fillFiveRows(grids[0]);
    fill(grids[0], 2, kBlankMarker, "0,45");
    fill(grids[0], 4, "1.4.1", kBlankMarker);
    fillFiveRows(grids[2]);

    EXPECT_EQ(conversionError(grids), "'1,4.1' is not a valid floating point value");  // the text as converted

    EXPECT_EQ(grids[0].cells[1][0], "0,01");
    EXPECT_EQ(grids[0].cells[3][0], "1.4.1");
    EXPECT_EQ(grids[0].cells[3][1], kBlankMarker);  // after the bad cell: untouched
    EXPECT_EQ(grids[2].rowCount, 5);              // every grid was trimmed before reading began
    EXPECT_EQ(grids[2].cells[0][0], "0,8");
}

// An empty text is what the workbook import gives for an empty cell; it is
// not the blank marker and is not a number.
TEST(SteelGridCollect, AnEmptyTextIsNotBlank) {
    auto grids = blankGrids();
    fillFiveRows(grids[1]);
    fill(grids[1], 5, "", "1,1");

    EXPECT_EQ(conversionError(grids), "'' is not a valid floating point value");
    EXPECT_EQ(grids[0].cells[0][0], "0,01");  // the left grid was read first
}

// An induction no steel reaches, or a negative loss or power, is refused
// naming the column's head and the row; the ends of the ranges are kept.
TEST(SteelGridCollect, RefusesValuesNoSteelHasNamingColumnAndRow) {
    struct Case {
        const char* name;
        int row;
        int column;
        const char* text;
        const char* refusal;
    };
    const Case cases[] = {
        {"zero induction", 2, 0, "0", "Bc, T, row 2 must be above 0 and at most 3: 0"},
        {"induction above 3 T", 5, 0, "3.5", "Bc, T, row 5 must be above 0 and at most 3: 3,5"},
        {"negative loss", 3, 1, "-0,1", "p\u0441, W/kg, row 3 must be at least 0: -0,1"},
        {"ends of the ranges", 1, 0, "3", "no error"},
        {"no loss", 1, 1, "0", "no error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto grids = blankGrids();
        for (auto& grid : grids) fillFiveRows(grid);
        grids[0].cells[c.row - 1][c.column] = QString::fromUtf8(c.text);
        QString field;
        EXPECT_EQ(conversionError(grids, &field), c.refusal);
        if (std::string(c.refusal) != "no error") {
            EXPECT_EQ(field, "SG_q_c");
        }
    }
}
