#include "explorer/explorer_support.h"

#include "explorer/variant_table.h"

#include <gtest/gtest.h>

// The ranking of the variants and the table as it is shown and exported.
namespace dravik::test {
namespace {

std::shared_ptr<const Sweep> smallSweep() {
    SweepRanges ranges;
    ranges.diameterItems = {11};  // 0,13
    ranges.lcFrom_mm = ranges.lcTo_mm = 400;
    ranges.cFrom_mm = ranges.cTo_mm = 300;
    ranges.steelIndexes = {2};
    ranges.materialItems = {kAluminumItem};
    return std::make_shared<const Sweep>(windowBase("100", "Y/Zn-11"), ranges, builtInSteels(), shippedWires());
}

VariantResult meeting(int index, double owningCost) {
    VariantResult r;
    r.variant.index = index;
    r.owningCost = owningCost;
    return r;
}

VariantResult failing(int index, DesignStop stop, double miss, double owningCost = kNoFigure) {
    VariantResult r = meeting(index, owningCost);
    r.stop = stop;
    r.miss = miss;
    return r;
}

std::vector<int> indexesInRankingOrder(const VariantTable& table) {
    std::vector<int> indexes;
    for (const int row : table.rankedRows()) indexes.push_back(table.at(row).variant.index);
    return indexes;
}

// The marked best is the cheapest to own of the variants that meet every
// check, however cheap a failing one is; the others that meet rank after
// it by owning cost, then the failing ones, nearest misses first.
TEST(VariantRanking, TheBestIsTheCheapestThatMeetsEverything) {
    VariantTable table(smallSweep(), QStringLiteral("c.u."));
    table.add({failing(0, DesignStop::PkAboveStandard, 12, 50), meeting(1, 900), failing(2, DesignStop::LvOffRod, 3),
               meeting(3, 700)});
    table.add({failing(4, DesignStop::UkOutsideStandard, -11, 40), meeting(5, 700), failing(6, DesignStop::Refused, 0),
               failing(7, DesignStop::PkAboveStandard, 30, 10), failing(8, DesignStop::LvOffRod, 0.5)});
    EXPECT_EQ(indexesInRankingOrder(table), (std::vector<int>{3, 5, 1, 4, 0, 7, 8, 2, 6}));
    EXPECT_EQ(table.meetingCount(), 3);
    ASSERT_TRUE(table.bestRow().has_value());
    EXPECT_EQ(table.at(*table.bestRow()).variant.index, 3);
    EXPECT_EQ(table.rank(3), 1);  // rows are in arrival order: row 3 is variant 3
    EXPECT_EQ(table.rank(5), 2);
    EXPECT_EQ(table.rank(1), 3);
    for (const int row : {0, 2, 4, 6, 7, 8}) EXPECT_FALSE(table.rank(row).has_value()) << row;
    EXPECT_EQ(table.cell(3, VariantColumn::Rank).toStdString(), "1");
    EXPECT_EQ(table.cell(7, VariantColumn::Rank).toStdString(), "");
}

TEST(VariantRanking, NoVariantMeetingEverythingMeansNoBest) {
    VariantTable table(smallSweep(), QStringLiteral("c.u."));
    table.add({failing(0, DesignStop::PkAboveStandard, 12, 50), failing(1, DesignStop::HvOutOfWindow, 0.5, 40)});
    EXPECT_FALSE(table.bestRow().has_value());
    EXPECT_EQ(table.meetingCount(), 0);
}

TEST(VariantRanking, SortingByAColumnPutsMissingFiguresLast) {
    VariantTable table(smallSweep(), QStringLiteral("c.u."));
    VariantResult light = meeting(0, 100);
    light.steel_kg = 150;
    VariantResult heavy = meeting(1, 90);
    heavy.steel_kg = 200;
    VariantResult unknown = failing(2, DesignStop::NoRatedData, kNoFigure);
    table.add({heavy, unknown, light});
    std::vector<int> rows{0, 1, 2};
    std::sort(rows.begin(), rows.end(), [&](int a, int b) { return table.lessInColumn(a, b, VariantColumn::SteelMass); });
    EXPECT_EQ(rows, (std::vector<int>{2, 0, 1}));
}

// The table's cells and its CSV for a real variant: the typical design with
// the rods 300 mm apart, whose Pk is 30 % above the standard's.
TEST(VariantTableCells, ShowTheFiguresAsTheReportsDoAndExportThemWithAPoint) {
    const std::shared_ptr<const Sweep> sweep = smallSweep();
    VariantTable table(sweep, QStringLiteral("c.u., net"));
    Prices prices;
    prices.A_per_W = 2;
    table.add({evaluateVariant(*sweep, 0, prices)});
    EXPECT_EQ(table.cell(0, VariantColumn::Diameter).toStdString(), "0,13");
    EXPECT_EQ(table.cell(0, VariantColumn::P0).toStdString(), "351,930");  // the Stage I report's figure
    EXPECT_EQ(table.cell(0, VariantColumn::Pk).toStdString(), "2948,600");  // the short-circuit check's
    EXPECT_EQ(table.cell(0, VariantColumn::Check).toStdString(), "Pk +29,9 % (at most +10 %)");
    const VariantResult& r = table.at(0);
    EXPECT_DOUBLE_EQ(r.owningCost, r.cost + 2 * r.P0_W);
    EXPECT_DOUBLE_EQ(r.cost, r.steel_kg * 3 + r.conductor_kg * 4);  // aluminium at 4 a kg

    const QStringList lines = QString::fromUtf8(table.csv({0})).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);  // the header, the row, and the empty rest after the last line end
    EXPECT_EQ(lines[0].toStdString(),
              "Rank,\"D, m\",\"lс, mm\",\"C, mm\",Steel,Material,LV layers,\"B, T\",\"P0, W\",\"i0, %\",\"Pk, W\","
              "\"uk, %\",\"Steel, kg\",\"Conductors, kg\",\"Cost, c.u., net\",\"Owning cost, c.u., net\",Check");
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral(",0.13,400,300,3404 GOST USSR 21427,Aluminum,2,")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral(",351.930,"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(",Pk +29.9 % (at most +10 %)"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].isEmpty());
}

}  // namespace
}  // namespace dravik::test
