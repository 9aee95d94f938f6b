#include "catalogues/steel_curves.h"
#include "common/command_error.h"

#include <gtest/gtest.h>

namespace dravik {
namespace {

struct InterpolationCase {
    const char* what;
    RawCurve curve;
    double x;
    double expected;  // worked by hand
};

TEST(InterpolateCurve, FollowsTheSegmentsAndTheirStraightContinuations) {
    const RawCurve line = {{1.0, 2.0}, {1.5, 3.0}};
    const InterpolationCase cases[] = {
        {"inside the segment", line, 1.25, 2.5},
        {"at the first induction", line, 1.0, 2.0},
        {"at the last induction", line, 1.5, 3.0},
        {"above: the last segment continued", line, 2.0, 4.0},
        {"below: the first segment continued down", line, 0.5, 1.0},
        {"0.01 T is the no-data point", line, 0.01, 0.01},
        {"below 0.01 T and the first point: no data", line, 0.005, 0.01},
        {"one point only: no data", {{1.0, 2.0}}, 1.2, 0.01},
        // (0.5, 5) -> (1.8, 9) is the last segment in entered order holding 1.5 T.
        {"unsorted: the last segment holding x wins", {{1.0, 1.0}, {2.0, 2.0}, {0.5, 5.0}, {1.8, 9.0}}, 1.5,
         5.0 + 4.0 * 1.0 / 1.3},
    };
    for (const InterpolationCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_DOUBLE_EQ(interpolateCurve(c.curve, c.x), c.expected);
    }
}

void expectRefused(const RawCurve& p, const RawCurve& q, const RawCurve& qz, double cut, const char* text) {
    try {
        resampleCurves(p, q, qz, cut);
        ADD_FAILURE() << "accepted";
    } catch (const CommandError& error) {
        EXPECT_EQ(error.text(), QString::fromUtf8(text));
    }
}

TEST(ResampleCurves, SpacesTwentyFivePointsFromOneStepAboveTheLowestInduction) {
    const RawCurve p = {{0.8, 1.0}, {1.8, 3.0}};
    const RawCurve q = {{0.8, 2.0}, {1.3, 4.0}, {1.8, 10.0}};
    const RawCurve qz = {{1.0, 1000.0}, {1.8, 5000.0}};
    const auto points = resampleCurves(p, q, qz, 0.1);
    // Step (1.8 - 0.8)/25 = 0.04 T.
    EXPECT_DOUBLE_EQ(points[0].B, 0.84);
    EXPECT_DOUBLE_EQ(points[0].p, 1.08);
    EXPECT_DOUBLE_EQ(points[0].q, 2.16);
    // 1000 - 4000 * 0.16 / 0.8 below qz's first point; the subtraction magnifies
    // the binary error of 0.84 T to a few 1e-13.
    EXPECT_NEAR(points[0].qz, 200.0, 1e-12);
    EXPECT_DOUBLE_EQ(points[12].B, 1.32);
    EXPECT_DOUBLE_EQ(points[12].q, 4.24);
    EXPECT_DOUBLE_EQ(points[12].qz, 2600.0);
    EXPECT_DOUBLE_EQ(points[24].B, 1.8);
    EXPECT_DOUBLE_EQ(points[24].p, 3.0);
}

TEST(ResampleCurves, LowerCutDecidesWhetherALowInductionCounts) {
    const RawCurve p = {{0.05, 0.01}, {0.5, 0.2}, {1.5, 1.2}};
    const RawCurve q = {{0.5, 1.0}, {1.5, 2.0}};
    EXPECT_DOUBLE_EQ(resampleCurves(p, q, q, 0.1)[0].B, 0.54);    // 0.05 T passed over: 0.5 + 1.0/25
    EXPECT_DOUBLE_EQ(resampleCurves(p, q, q, 0.01)[0].B, 0.108);  // 0.05 T is B_min: 0.05 + 1.45/25
}

TEST(ResampleCurves, RefusesCurvesWithoutTwoUsablePointsOrWithInfiniteValues) {
    const RawCurve good = {{1.0, 1.0}, {1.5, 2.0}};
    const char* curvesText = "Each curve needs at least two points with different inductions";
    {
        SCOPED_TRACE("one point");
        expectRefused({{1.0, 1.0}}, good, good, 0.1, curvesText);
    }
    {
        SCOPED_TRACE("equal inductions at the start");
        expectRefused(good, {{1.0, 1.0}, {1.0, 2.0}, {1.5, 3.0}}, good, 0.1, curvesText);
    }
    {
        SCOPED_TRACE("equal inductions at the end");
        expectRefused(good, good, {{1.0, 1.0}, {1.5, 2.0}, {1.5, 3.0}}, 0.1, curvesText);
    }
    {
        SCOPED_TRACE("every induction at or below the cut");
        const RawCurve low = {{0.05, 1.0}, {0.1, 2.0}};
        expectRefused(low, low, low, 0.1, curvesText);
    }
    {
        SCOPED_TRACE("continuation beyond the largest double");
        expectRefused(good, good, {{1.0, 0.0}, {1.0001, 1e308}}, 0.1, "Invalid floating point operation");
    }
}

}  // namespace
}  // namespace dravik
