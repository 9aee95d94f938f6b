#include "magnetic/induction_search.h"
#include "magnetic/report_lines.h"
#include "magnetic/test_steels.h"

#include <gtest/gtest.h>

// The search on a core whose numbers can be followed by hand: the linear
// steel (p = B, q = 2 B, qz = 1000 B), 40 kg of rods and 40 kg of yokes of
// equal sections, cold-rolled (k_p0 1.25, k_q 1.0). Then P0 = 100 B W,
// and with P0_norm 150 W the losses band 150 .. 172.5 W holds B = 1.5 ..
// 1.725 T. The rod-losses line of the linear steel shows the induction tried.
namespace dravik {
namespace {

using test::linesOf;
using test::valuesAfter;

constexpr const char* kRodLosses = "Specific losses in the steel rod, W/kg ";
constexpr const char* kYokeLosses = "Specific losses in the steel yoke, W/kg ";
constexpr const char* kI0Pct = "No-load current, % ";
constexpr const char* kBothFailed = "Find a suitable induction for no-load losses and no-load current failed";

DesignState linearCore(double B_rod_T, double P0_norm_W) {
    DesignState s;
    s.B_rod = B_rod_T;
    s.dB = 0.0625;
    s.rod_area = 0.01;
    s.yoke_area = 0.01;
    s.rod_area_gross = 0.01;
    s.G_rod = 40;
    s.G_yoke = 40;
    s.U_rated = 10;
    s.I_hv = 5;
    s.P0_norm = P0_norm_W;
    s.i0_norm = 100;  // the current criterion holds unless a test says otherwise
    s.steel_kind = 1;
    return s;
}

class InductionSearchTest : public testing::Test {
protected:
    DesignStop search(DesignState& state) { return searchInduction(steel_, state, report_); }

    SteelEntry steel_ = test::linearSteel();
    Report report_;
};

TEST_F(InductionSearchTest, LossesInBandAtOnceTakeOnePass) {
    DesignState s = linearCore(1.5, 150);  // P0 = 150 W, the lower end of the band
    EXPECT_EQ(search(s), DesignStop::None);
    // I0a = 150 sqrt3 / 30000; Qz = 1500 * 3.2 * 0.01 = 48; Q0 = 3 * 80 + 48 = 288;
    // I0r = 288 sqrt3 / 30000; I0 = sqrt3 / 30000 * sqrt(150^2 + 288^2) = 0.018748;
    // i0 = I0 / 5 A * 100 = 0.37496 %.
    EXPECT_EQ(report_.lines(), linesOf({
                                   "Specific losses in the steel rod, W/kg 1,500",
                                   "Specific magnetizing power in steel rod, W/kg 3,000",
                                   "Specific Magnetizing power in the butt , W/m2 1500,000",
                                   "Specific losses in the steel yoke, W/kg 1,500",
                                   "Specific magnetizing power in steel yoke, W/kg 3,000",
                                   "Specific Magnetizing power in the butt of yoke, W/m2 1500,000",
                                   "condition for no-load losses coincided, W: Рhh=150,000",
                                   "active component of the load current, A 0,009",
                                   "Magnetizing power in the butt, VA 48,000",
                                   "full magnetizing power, VA 288,000",
                                   "Reactive component of current, A 0,017",
                                   "The total of the load current, A 0,019",
                                   "No-load current, % 0,375",
                                   "Current condition of idling coincided",
                               }));
    EXPECT_TRUE(s.p0_ok);
    EXPECT_TRUE(s.i0_ok);
    EXPECT_EQ(s.B_rod, 1.5);
    EXPECT_EQ(s.k_p0, 1.25);
    EXPECT_EQ(s.k_q, 1.0);
}

TEST_F(InductionSearchTest, LossesLoopStepsTowardsTheBand) {
    const struct {
        const char* name;
        double start_T;
        QStringList tried;
        double final_T;
    } cases[] = {
        {"below the band: climbs", 1.25, {"1,250", "1,313", "1,375", "1,438", "1,500"}, 1.5},
        {"above the band: descends", 1.875, {"1,875", "1,813", "1,750", "1,688"}, 1.6875},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        report_.clear();
        DesignState s = linearCore(c.start_T, 150);
        EXPECT_EQ(search(s), DesignStop::None);
        EXPECT_EQ(valuesAfter(report_, kRodLosses), c.tried);
        EXPECT_EQ(valuesAfter(report_, kYokeLosses), c.tried);  // equal sections: the yoke follows
        EXPECT_EQ(s.B_rod, c.final_T);
        EXPECT_EQ(report_.size(), 6 * c.tried.size() + 1 + 6 + 1);
    }
}

TEST_F(InductionSearchTest, TooHighNoLoadCurrentLowersTheInduction) {
    // i0 = 0.24997 B %: 0.4218 % at 1.6875 T fails 1.3 * 0.3154 = 0.41 %,
    // 0.4062 % at 1.625 T passes, with the losses (162.5 W) still in band.
    DesignState s = linearCore(1.6875, 150);
    s.i0_norm = 0.3154;
    EXPECT_EQ(search(s), DesignStop::None);
    EXPECT_EQ(valuesAfter(report_, kRodLosses), QStringList({"1,688", "1,625"}));
    EXPECT_EQ(valuesAfter(report_, kI0Pct), QStringList({"0,422", "0,406"}));
    EXPECT_EQ(report_.last(), QStringLiteral("Current condition of idling coincided"));
    EXPECT_EQ(s.B_rod, 1.625);
}

TEST_F(InductionSearchTest, AlternationsEndWithoutAnInduction) {
    {
        SCOPED_TRACE("the current fails at the lower end of the losses band");
        // 1.5 T: losses met, current fails; 1.4375 T: losses too low, and the
        // step up would return to 1.5 T.
        DesignState s = linearCore(1.5, 150);
        s.i0_norm = 0.01;
        EXPECT_EQ(search(s), DesignStop::NoInductionMeetsBoth);
        EXPECT_EQ(valuesAfter(report_, kRodLosses), QStringList({"1,500", "1,438"}));
        EXPECT_EQ(report_.size(), 6 + 1 + 6 + 6 + 1);
        EXPECT_EQ(report_.last(), QString::fromUtf8(kBothFailed));
        EXPECT_EQ(s.B_rod, 1.4375);
        EXPECT_FALSE(s.i0_ok);
        EXPECT_FALSE(s.p0_ok);
    }
    {
        SCOPED_TRACE("a step of 0.25 T jumps across the band of 0.225 T");
        report_.clear();
        DesignState s = linearCore(1.484375, 150);
        s.dB = 0.25;
        EXPECT_EQ(search(s), DesignStop::NoInductionMeetsBoth);
        EXPECT_EQ(valuesAfter(report_, kRodLosses), QStringList({"1,484", "1,734"}));
        EXPECT_EQ(report_.size(), 6 + 6 + 1);
        EXPECT_EQ(report_.last(), QString::fromUtf8(kBothFailed));
        EXPECT_EQ(s.B_rod, 1.734375);
    }
}

TEST_F(InductionSearchTest, TenThousandLossesPassesAtMost) {
    // A step of 2^-20 T would need half a million passes to reach the band.
    DesignState s = linearCore(1.0, 150);
    s.dB = 1.0 / 1048576;
    EXPECT_EQ(search(s), DesignStop::NoInductionMeetsBoth);
    EXPECT_EQ(report_.size(), 6 * kMaxLossesPasses + 1);
    EXPECT_EQ(report_.last(), QString::fromUtf8(kBothFailed));
    EXPECT_EQ(s.B_rod, 1.0 + 9999.0 / 1048576);  // the last induction tried
}

TEST_F(InductionSearchTest, RodInductionOffTheCurve) {
    const struct {
        double B_T;
        const char* line;
    } cases[] = {
        {2.25, "Unable to find a suitable magnetization steel rod 2,250 T"},
        {2.0, "Unable to find a suitable magnetization steel rod 2,000 T"},  // point 25 opens no interval
        {0.4375, "Unable to find a suitable magnetization steel rod 0,438 T"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        report_.clear();
        DesignState s = linearCore(c.B_T, 150);
        EXPECT_EQ(search(s), DesignStop::InductionOffCurve);
        EXPECT_EQ(report_.lines(), linesOf({c.line}));
    }
}

TEST_F(InductionSearchTest, YokeInductionFollowsTheRod) {
    // Yoke section 0.008 m2 against 0.01 m2: B_yoke = 1.25 B_rod, P0 = 112.5 B_rod,
    // below 200 W up to the yoke's leaving the curve at B_rod 1.625 T.
    DesignState s = linearCore(1.5, 200);
    s.yoke_area = 0.008;
    EXPECT_EQ(search(s), DesignStop::InductionOffCurve);
    EXPECT_EQ(valuesAfter(report_, kRodLosses), QStringList({"1,500", "1,563", "1,625"}));
    EXPECT_EQ(valuesAfter(report_, kYokeLosses), QStringList({"1,875", "1,953"}));
    EXPECT_EQ(report_.last(), QStringLiteral("Unable to find a suitable steel yoke magnetization 2,031 T"));
    EXPECT_EQ(s.B_yoke, 2.03125);
}

TEST_F(InductionSearchTest, InductionAboveTheLastPointEndsTheLossesLoop) {
    {
        SCOPED_TRACE("the step up passes point 25");
        DesignState s = linearCore(1.96875, 1000);
        EXPECT_EQ(search(s), DesignStop::LossesCriterion);
        EXPECT_EQ(report_.size(), 7);
        EXPECT_EQ(report_.last(), QStringLiteral("Find a suitable induction for load losses could not be"));
        EXPECT_EQ(s.B_rod, 2.03125);
    }
    {
        SCOPED_TRACE("a curve of 12 points ends at 0 T, even after the losses are met");
        report_.clear();
        for (size_t j = 12; j < steel_.points.size(); ++j) steel_.points[j] = SteelPoint{};
        DesignState s = linearCore(1.0, 100);
        EXPECT_EQ(search(s), DesignStop::LossesCriterion);
        EXPECT_EQ(report_.size(), 8);
        EXPECT_EQ(report_.lines()[6], QStringLiteral("condition for no-load losses coincided, W: Рhh=100,000"));
        EXPECT_EQ(report_.last(), QStringLiteral("Find a suitable induction for load losses could not be"));
        EXPECT_TRUE(s.p0_ok);
    }
}

TEST_F(InductionSearchTest, HotRolledSteelHasItsOwnAllowances) {
    // k_p0 1.1: P0 = (1.5 W/kg * 40 kg + 1.5 * 40) * 1.1 = 132 W;
    // k_q 1.25: Q0 = (3 VA/kg * 40 kg + 3 * 40) * 1.25 + 48 = 348 VA.
    DesignState s = linearCore(1.5, 132);
    s.steel_kind = 2;
    EXPECT_EQ(search(s), DesignStop::None);
    EXPECT_EQ(valuesAfter(report_, "condition for no-load losses coincided, W: Рhh="), QStringList({"132,000"}));
    EXPECT_EQ(valuesAfter(report_, "full magnetizing power, VA "), QStringList({"348,000"}));
    EXPECT_EQ(s.k_p0, 1.1);
    EXPECT_EQ(s.k_q, 1.25);
}

}  // namespace
}  // namespace dravik
