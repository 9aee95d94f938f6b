#include "windings/hv_layout.h"
#include "windings/hv_tables.h"

#include <gtest/gtest.h>

namespace dravik {
namespace {

int rowNumber(const HvInsulationRow* row) { return row ? static_cast<int>(row - kHvInsulationTable.data()) + 1 : 0; }
int rowNumber(const InterlayerRow* row) { return row ? static_cast<int>(row - kInterlayerTable.data()) + 1 : 0; }

// Row 0 stands for "no row".
TEST(HvInsulationTable, PowerAndVoltageChooseTheRowTheLargerTransformersWin) {
    struct Case {
        double S_kVA, U_kV;
        int row;
    };
    const Case cases[] = {
        {25, 6, 1},    {100, 10, 1}, {125, 10, 0}, {160, 10, 2},  {400, 6, 2},  {630, 10, 4},
        {630, 6, 4},   {160, 35, 3}, {630, 35, 5}, {1000, 35, 5}, {100, 35, 0}, {630, 20, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.S_kVA << " kVA, " << k.U_kV << " kV");
        EXPECT_EQ(rowNumber(findHvInsulationRow(k.S_kVA, k.U_kV)), k.row);
    }
}

TEST(InterlayerTable, VoltageBandsFollowOneAnotherWithoutGaps) {
    struct Case {
        double U_V;
        int row;
    };
    const Case cases[] = {{0, 1},      {0.5, 1},    {1000, 1},    {1000.5, 2}, {2000, 2},
                          {2000.01, 3}, {3500, 4},  {5000, 5},    {5000.01, 0}, {-1, 0}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.U_V << " V");
        EXPECT_EQ(rowNumber(findInterlayerRow(k.U_V)), k.row);
    }
}

// 1000·1,001 m is 1000,99999... mm in binary; the rod still has 961 mm.
TEST(HvRodRoom, WholeMillimetresOfTheTypedLength) {
    EXPECT_EQ(rodRoomWholeMm(0.29, 20), 250);
    EXPECT_EQ(rodRoomWholeMm(1.001, 20), 961);
    EXPECT_EQ(rodRoomWholeMm(0.4005, 20), 360);
}

}  // namespace
}  // namespace dravik
