#include "catalogues/steel_catalogue.h"
#include "magnetic/steel_curve_lookup.h"

#include <gtest/gtest.h>

namespace dravik {
namespace {

// The program's built-in grades, in list order: 1512, 1513, 3404, 3405.
const std::vector<SteelEntry> kSteels = SteelCatalogue().entries();
const SteelEntry& grade1512() { return kSteels[0]; }
const SteelEntry& grade3404() { return kSteels[2]; }

TEST(SteelCurveLookup, InterpolatesBetweenTheEnclosingPoints) {
    // 3404 at 1.575 T, three quarters of the way from 1.56 to 1.58 T:
    // p = 1.207 + 0.75 * 0.044, q = 1.576 + 0.75 * 0.099, qz = 20700 + 0.75 * 1400.
    const auto at = steelAtInduction(grade3404(), 1.575);
    ASSERT_TRUE(at.has_value());
    EXPECT_NEAR(at->p, 1.24, 1e-12);
    EXPECT_NEAR(at->q, 1.65025, 1e-12);
    EXPECT_NEAR(at->qz, 21750, 1e-9);
}

TEST(SteelCurveLookup, APointOpensTheIntervalAboveIt) {
    const auto at = steelAtInduction(grade3404(), 1.0);
    ASSERT_TRUE(at.has_value());
    EXPECT_EQ(at->p, 0.475);
    EXPECT_EQ(at->q, 0.548);
    EXPECT_EQ(at->qz, 1000);
}

TEST(SteelCurveLookup, InductionsOffTheCurveFindNothing) {
    for (const double B : {0.0, 0.899, 1.7, 1.75}) {
        SCOPED_TRACE(B);
        EXPECT_FALSE(steelAtInduction(grade3404(), B).has_value());
    }
}

TEST(SteelCurveLookup, IntervalsNeedDataAtBothEnds) {
    // 1512 has data up to 1.3 T, then only at 1.4 and 1.5 T.
    const auto inside = steelAtInduction(grade1512(), 1.25);
    ASSERT_TRUE(inside.has_value());
    EXPECT_NEAR(inside->p, 1.925, 1e-12);  // halfway between 1.76 and 2.09
    for (const double B : {1.3, 1.31, 1.35, 1.4, 1.41, 1.45, 1.5}) {
        SCOPED_TRACE(B);
        EXPECT_FALSE(steelAtInduction(grade1512(), B).has_value());
    }
}

TEST(SteelCurveLookup, LastInductionIsPoint25FilledOrNot) {
    EXPECT_EQ(lastCurveInduction(grade3404()), 1.7);
    SteelEntry shortCurve = grade3404();
    for (int j = 4; j < kPointRoom; ++j) shortCurve.points[static_cast<size_t>(j)] = SteelPoint{};
    EXPECT_EQ(lastCurveInduction(shortCurve), 0.0);
    EXPECT_TRUE(steelAtInduction(shortCurve, 1.15).has_value());
}

}  // namespace
}  // namespace dravik
