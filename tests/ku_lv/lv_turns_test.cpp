#include "ku_lv/ku_lv_support.h"

#include "common/command_error.h"
#include "windings/lv_turns.h"

#include <gtest/gtest.h>

// Expected lines are hand calculations of the 100 kVA, 10/0.38 kV design
// (den = 222·B·A = 3.8515113 V per turn); the zigzag numbers are those of
// the worked example (w_lv 66, w_hv 1499, w_tap 37, B 1,625).
namespace dravik {
namespace {

using test::design100kVA;
using test::tapListing;
using test::withoutListing;

struct TapRow {
    const char *U_tap, *k_u, *k_w, *dk;
};

QStringList tapCheckLines(int k, const TapRow& r) {
    return {QStringLiteral("Higher voltage output at %1,V %2").arg(k).arg(r.U_tap),
            QStringLiteral("Transformation ratio of the voltage output on %1 %2").arg(k).arg(r.k_u),
            QStringLiteral("Transformation ratio in the number of loop on %1 %2").arg(k).arg(r.k_w),
            QStringLiteral("Discrepancy loop ratio on the %1output %2").arg(k).arg(r.dk)};
}

QStringList principalLines(int w_lv, const char* U_hv_ph, int w_hv, const char* B, int w_tap) {
    return {QStringLiteral("The number of loop in the winding of one phase LV %1").arg(w_lv),
            QStringLiteral("Higher winding phase voltage, V %1").arg(U_hv_ph),
            QStringLiteral("The number of loop in the winding of one phase HV %1").arg(w_hv),
            QStringLiteral("Induction after adjusting the number of loop, T %1").arg(B),
            QStringLiteral("Adjusting the number of loop at 2,5% HV %1").arg(w_tap)};
}

QStringList finalLines(const char* B) {
    return {QStringLiteral("Induction-check the results of the calculation of the number of loop, T %1").arg(B),
            QStringLiteral("Induction final after adjusting the number of loop, T %1").arg(B)};
}

TEST(LvTurns, ZigzagExampleAcceptsEveryTapAtTheFirstAttemptAndStaysStable) {
    const TapRow rows[] = {{"6062,200", "27,632", "27,520", "0,403"}, {"5917,800", "26,974", "26,873", "0,373"},
                           {"5773,500", "26,316", "26,226", "0,342"}, {"5629,200", "25,658", "25,578", "0,310"},
                           {"5484,800", "25,000", "24,931", "0,276"}};
    QStringList expected = principalLines(66, "5773,500", 1499, "1,625", 37);
    for (int k = 1; k <= 5; ++k) expected << tapListing(1499, 37, 2) << tapCheckLines(k, rows[k - 1]);
    expected << finalLines("1,625");

    DesignState design = design100kVA(kSchemeYZn11);
    Stage2State state;
    // While lv_done is clear every press derives the turns again from B_rod.
    for (int press = 1; press <= 4; ++press) {
        SCOPED_TRACE(press);
        Report memo;
        calculateLvTurns(2, design, state, memo);
        EXPECT_EQ(memo.lines(), expected);
        EXPECT_EQ(state.turns.w_hv, 1499);
        EXPECT_EQ(state.turns.w_tap, 37);
        EXPECT_NEAR(design.B_rod, 5773.5027 / (1499 * 222 * 0.0106764), 1e-7);
    }
    EXPECT_EQ(state.turns.w_lv, 66);
    const std::uint16_t taps[] = {1573, 1536, 1499, 1462, 1425};
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(state.turns.tap_turns[tapIndex(p)], taps[p - 1]);
}

TEST(LvTurns, SchemeSetsLvTurnsAndHvPhaseVoltage) {
    struct Case {
        std::int32_t scheme;
        double U_hv_kV;
        int w_lv;
        const char* U_hv_ph;
        int w_hv;
    } cases[] = {
        {kSchemeYYn0, 10, 57, "5773,500", 1499},  // 219.393 V / 3.85151 = 56.96
        {kSchemeYZn11, 10, 66, "5773,500", 1499},  // 56.96 · 1.1547 = 65.78
        {kSchemeDYn0, 6, 57, "6000,000", 1558},   // delta HV: phase = line voltage
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scheme);
        DesignState design = design100kVA(c.scheme);
        design.U_hv = c.U_hv_kV;
        Stage2State state;
        Report memo;
        calculateLvTurns(2, design, state, memo);
        EXPECT_EQ(memo.lines().mid(0, 3), principalLines(c.w_lv, c.U_hv_ph, c.w_hv, "", 0).mid(0, 3));
    }
}

TEST(LvTurns, NegativeDiscrepancyIsAcceptedWithoutCorrection) {
    DesignState design = design100kVA(kSchemeYYn0);
    design.U_lv_ph = 0.225;  // w_lv 58: every turns ratio above its voltage ratio
    Stage2State state;
    Report memo;
    calculateLvTurns(2, design, state, memo);
    const TapRow rows[] = {{"6062,200", "26,943", "27,121", "-0,659"}, {"5917,800", "26,302", "26,483", "-0,689"},
                           {"5773,500", "25,660", "25,845", "-0,720"}, {"5629,200", "25,019", "25,207", "-0,753"},
                           {"5484,800", "24,377", "24,569", "-0,787"}};
    QStringList expected = principalLines(58, "5773,500", 1499, "1,625", 37);
    for (int k = 1; k <= 5; ++k) expected << tapCheckLines(k, rows[k - 1]);
    expected << finalLines("1,625");
    EXPECT_EQ(withoutListing(memo.lines()), expected);
    EXPECT_EQ(memo.size(), 77);  // the listing once per position
}

TEST(LvTurns, TooLowTurnsRatioCorrectsHvTurnsForLaterPositions) {
    DesignState design = design100kVA(kSchemeYYn0);
    design.U_lv_ph = 0.23;  // w_lv 60; tap 1: 1573/60 against 26,357
    Stage2State state;
    Report memo;
    calculateLvTurns(2, design, state, memo);
    // Round(60·26.357) = 1581 turns at 1.05 give w_hv Round(1505.7) = 1506 and w_tap Round(37.65) = 38.
    const QStringList corrected = {
        QStringLiteral("loop ratio is out of range. We adjust the number of loop of HV winding"),
        QStringLiteral("The number of loop in the winding of one phase HV after correction 1506"),
        QStringLiteral("adjusting the number of loop at 2.5% after adjusting for HV 38")};
    QStringList expected = principalLines(60, "5773,500", 1499, "1,625", 37);
    expected << tapListing(1499, 37, 2) << tapCheckLines(1, {"6062,200", "26,357", "26,217", "0,534"}) << corrected
             << tapListing(1506, 38, 2) << tapCheckLines(1, {"6062,200", "26,357", "26,367", "-0,036"});
    EXPECT_EQ(memo.lines().mid(0, expected.size()), expected);
    EXPECT_EQ(memo.lines().mid(memo.size() - 2), finalLines("1,617"));
    EXPECT_EQ(state.turns.w_hv, 1506);
    EXPECT_EQ(state.turns.w_tap, 38);
}

TEST(LvTurns, InductionOutsideTheBandMovesLvTurnsByOne) {
    const double den = 1.625 * 222 * 0.0106764;
    struct Case {
        double hvTurnsExact, U_lv_ph;
        int w_lv_before, w_lv_after;
        const char* B;
    } cases[] = {
        {1.6, 0.22, 57, 58, "1,300"},   // w_hv 2: B = 0.8·1.625, more than 5 % low
        {2.4, 0.009, 2, 1, "1,950"},    // w_hv 2: B = 1.2·1.625, more than 5 % high
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hvTurnsExact);
        DesignState design = design100kVA(kSchemeDYn0);
        design.U_hv = c.hvTurnsExact * den / 1000;
        design.U_lv_ph = c.U_lv_ph;
        Stage2State state;
        Report memo;
        calculateLvTurns(2, design, state, memo);
        EXPECT_EQ(memo.lines()[0], QStringLiteral("The number of loop in the winding of one phase LV %1").arg(c.w_lv_before));
        EXPECT_EQ(memo.lines()[3], QStringLiteral("Induction after adjusting the number of loop, T %1").arg(c.B));
        EXPECT_EQ(state.turns.w_lv, c.w_lv_after);
    }
}

TEST(LvTurns, FiveFailedAttemptsReportThePositionAndGoOn) {
    DesignState design = design100kVA(kSchemeDYn0);
    design.U_hv = 2.4 * (1.625 * 222 * 0.0106764) / 1000;  // w_hv 2, w_tap 0: no correction can converge
    design.U_lv_ph = 0.22;
    Stage2State state;
    Report memo;
    calculateLvTurns(0, design, state, memo);
    EXPECT_EQ(memo.lines().count(QStringLiteral("loop ratio is out of range. We adjust the number of loop of HV winding")), 5);
    EXPECT_EQ(memo.lines()[memo.size() - 3],
              QStringLiteral("An accurate correction of the number of loop of the adjusting winding 1 HV winding fails"));
    EXPECT_EQ(memo.size(), 5 + 5 * 9 + 1 + 2);
}

TEST(LvTurns, CompletedLvKeepsTurnsAndInductionButRepeatsTheTapTable) {
    DesignState design = design100kVA(kSchemeYZn11);
    Stage2State state;
    Report first;
    calculateLvTurns(2, design, state, first);
    state.lv_done = true;
    design.B_rod = 1.6;  // new turns would be Round(65.78·1.625/1.6) = 67
    Report second;
    calculateLvTurns(2, design, state, second);
    EXPECT_EQ(second.lines().mid(0, 4), principalLines(66, "5773,500", 1499, "1,600", 37).mid(0, 4));
    EXPECT_EQ(second.size(), first.size());
    EXPECT_EQ(design.B_rod, 1.6);
}

TEST(LvTurns, CountsOutsideTheirRangeStopWithRangeCheckError) {
    struct Case {
        const char* name;
        std::int32_t scheme;
        double U_lv_ph, U_hv_kV, tap_step;
        int tapCount;
        QString lastLine;
    } cases[] = {
        {"LV turns round to 0", kSchemeYYn0, 0.0001, 10, 2.5, 2, QString()},
        {"LV turns 1 less one", kSchemeDYn0, 0.005, 2.4 * (1.625 * 222 * 0.0106764) / 1000, 2.5, 2,
         QStringLiteral("The number of loop in the winding of one phase HV 2")},
        {"tap below zero turns", kSchemeYYn0, 0.22, 10, 20, 9, QStringLiteral("A-15=Whv+-5*Wр")},  // 1499 − 5·300
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignState design = design100kVA(c.scheme);
        design.U_hv = c.U_hv_kV;
        design.U_lv_ph = c.U_lv_ph;
        design.tap_step = c.tap_step;
        Stage2State state;
        Report memo;
        try {
            calculateLvTurns(c.tapCount, design, state, memo);
            ADD_FAILURE() << "no error";
        } catch (const CommandError& e) {
            EXPECT_EQ(e.text(), QStringLiteral("Range check error"));
        }
        EXPECT_EQ(memo.isEmpty() ? QString() : memo.last(), c.lastLine);
    }
}

}  // namespace
}  // namespace dravik
