#include "ku_lv/ku_lv_support.h"

#include "common/command_error.h"
#include "windings/lv_conductor.h"
#include "windings/lv_turns.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

// Hand calculation for the 100 kVA Y/Yn-0 aluminium LV, w_lv 57, 2 layers:
// e_t = 219.393/57 = 3.849 V, J_av = 0.463·0.095·1970·3.849/(100·13.5·0.14)
// = 1.765 A/mm², s_est = 151.934/1.765 = 86.099 mm², w_layer Round(28.5) = 28,
// h = (0.4 − 0.03)/(29·1.03) = 12.387 mm, room 400 − 30 = 370 mm.
namespace dravik {
namespace {

constexpr double kSEst = 86.09910641883074;
const double kInf = std::numeric_limits<double>::infinity();
const QString kNotSelected = QStringLiteral("A suitable LV wire is not selected!");

class LvConductor : public ::testing::Test {
protected:
    LvConductor() { state.turns.w_lv = 57; }
    void run(const std::vector<WireRecord>& catalogue) {
        calculateLvConductor(in, design, state, catalogue, memo, effects);
    }
    void pick(const WireRecord& wire) {
        state.lv_wire_picked = true;
        state.chosen_wire = wire;
    }

    DesignState design = test::design100kVA(kSchemeYYn0);
    Stage2State state;
    LvInputs in = test::lvInputs();
    Report memo;
    Stage2Effects effects;
};

TEST_F(LvConductor, SingleStripGivesTheWholeLayout) {
    run({test::rectWire("APB 7,1x12", 7.1, 12, 84)});
    const QStringList expected = {
        "LV isolation from the magnetic rod, mm 0,500",
        "Hands-material of magnet wire for aluminum 0,463 to copper 0,746: 0,463",
        "factor taking into account the power up to 630 kVA 0,95..0,99: 0,095",
        "EMF of one loop, V: 3,849",
        "Approximate average current density winding LV and HV, A/mm2: 1,765",
        "Tentative section of wire, mm2: 86,099",
        "Number of layers of LV: 2",
        "The number of loop in one layer winding: 28",
        "Insulation distance from the yoke, m: 0,015",
        "Leakage rate 1,015..1,03: 1,030",
        "The estimated size of the axial coil of wire, m: 0,012",
        "The chosen type of wire LV: APB 7,1x12 84,000mm2 parallel wires a=1",
        "The final selection of the type of wire LV winding: APB 7,1x12 84,000mm2 parallel wires a=1",
        "Refined height loop of wire, mm: 12,000",
        "The adjusted width coil, mm: 7,100",
        "height of the cylinder (axial dimension) winding LV l_lv, mm: 358,440",  // 29·12·1.03
        "LV winding placement on the rod axis l_lv<=((Lc_razm*1000)-(2*l_01*1000)), mm: 370,000",
        "LV winding is placed on the axis",
        "Channel width, mm: 4,000",
        "The number of cool. chan.: 1,000",
        "Main insulation separating the coil from the rod, mm: 4,000",
        "Find the radial dimension of the winding LV, mm: 18,700",  // 2·7.1 + 0.5 + 4
        "LV internal diameter of the cylinder, mm: 148,000",
        "Outer diameter of the cylinder winding LV, mm: 185,400",
    };
    EXPECT_EQ(memo.lines(), expected);
    EXPECT_EQ(state.lv.s_est, kSEst);
    EXPECT_TRUE(state.lv_done);
    EXPECT_FALSE(state.manual_par);
    EXPECT_EQ(effects.calculateHvEnabled, false);
    EXPECT_EQ(effects.calculateKuEnabled, false);
    EXPECT_EQ(effects.catalogueControlsEnabled, true);
    EXPECT_TRUE(effects.shapeToRect);
}

TEST_F(LvConductor, SearchRulesHoldAtTheirBounds) {
    using test::rectWire;
    struct Case {
        const char* name;
        std::vector<WireRecord> catalogue;
        const char* chosen;  // nullptr: nothing found
        int n_par;
        int listed;  // "The chosen type of wire LV" lines
    } cases[] = {
        {"1.1·s_est passes single", {rectWire("S110", 7, 12.4, 1.1 * kSEst)}, "S110", 1, 1},
        {"above 1.1·s_est fails", {rectWire("S111", 7, 12.4, std::nextafter(1.1 * kSEst, kInf))}, nullptr, 0, 0},
        {"n·s = 0.9·s_est fails parallel", {rectWire("P90", 5, 5, 0.9 * kSEst)}, nullptr, 0, 0},
        {"just above 0.9·s_est passes", {rectWire("P90+", 5, 5, std::nextafter(0.9 * kSEst, kInf))}, "P90+", 1, 1},
        {"more than 8 strands never", {rectWire("P8.5", 1, 5, kSEst / 8.5)}, nullptr, 0, 0},
        {"five strands", {rectWire("P5", 3, 5, 0.99 * kSEst / 5)}, "P5", 5, 1},
        {"later single match wins", {rectWire("A", 7, 12.4, kSEst), rectWire("B", 7, 12, kSEst)}, "B", 1, 2},
        {"equal totals keep the earlier", {rectWire("E1", 3, 5, kSEst / 2), rectWire("E2", 3, 5, kSEst / 2)}, "E1", 2, 1},
        {"ineligible records",
         {blankPlaceholder(), rectWire("Cu", 7, 12.4, kSEst, "Copper"), test::roundWire("R", 10, kSEst),
          rectWire("neg", 7, 12.4, -kSEst), rectWire("nan", 7, 12.4, std::nan(""))},
         nullptr, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state = Stage2State{};
        state.turns.w_lv = 57;
        memo.clear();
        run(c.catalogue);
        const QStringList& lines = memo.lines();
        EXPECT_EQ(lines.filter(QStringLiteral("The chosen type of wire LV: ")).size(), c.listed);
        const bool warned = lines.contains(QStringLiteral(
            "Unwanted number of parallel branches! Preferably before 4 to 6 when winding flat and up to 6, no more "
            "than 8 on the edge!"));
        EXPECT_EQ(warned, c.n_par > 4);
        if (c.chosen) {
            EXPECT_EQ(state.lv.lv_wire.tip(), QString::fromUtf8(c.chosen));
            EXPECT_EQ(state.n_par, c.n_par);
        } else {
            EXPECT_EQ(memo.last(), kNotSelected);
            EXPECT_TRUE(state.manual_par);
        }
    }
}

TEST_F(LvConductor, PickedRoundWireIsRefused) {
    pick(test::roundWire("APB 2,0", 2, 3.14));
    in.parallelSpin = 3;
    run({});
    EXPECT_EQ(memo.lines().mid(11),
              QStringList({"The final selection of the type of wire LV winding: APB 2,0 3,140mm2 parallel wires a=3",
                           "The conductor has no size a or b! Select a rectangular conductor and repeat calculation!"}));
    EXPECT_TRUE(state.manual_par);
    EXPECT_EQ(effects.parallelSpinEnabled, true);
    EXPECT_FALSE(effects.catalogueControlsEnabled.has_value());
}

TEST_F(LvConductor, WindingAsHighAsTheRoomFits) {
    state.turns.w_lv = 38;  // 19 turns a layer
    in.k_t = QStringLiteral("1");
    for (const double b : {18.5, std::nextafter(18.5, kInf)}) {  // 20·18.5·1 = 370 mm = room
        SCOPED_TRACE(b);
        state.lv_done = false;
        effects = {};
        memo.clear();
        pick(test::rectWire("APB 4x18,5", 4, b, 72));
        run({});
        const bool fits = b == 18.5;
        EXPECT_EQ(memo.lines()[16], fits ? QStringLiteral("LV winding is placed on the axis")
                                         : QStringLiteral("ОLV winding axis is not available! Select a different "
                                                          "combination of size and number of parallel wires of wire "
                                                          "turns!"));
        EXPECT_EQ(memo.size(), fits ? 23 : 17);
        EXPECT_EQ(state.lv_done, fits);
        EXPECT_EQ(state.fit.lv_on_rod, fits);
        EXPECT_EQ(state.manual_par, !fits);
        EXPECT_EQ(effects.calculateHvEnabled, false);
    }
}

TEST_F(LvConductor, InnerDiameterStartsOutsideTheKuWhenItIsTakenIntoAccount) {
    state.ku.D_ku_out = 152.48;
    in.boardIndex = 2;  // three boards of 0.5 mm
    for (const bool ku : {true, false}) {
        SCOPED_TRACE(ku);
        in.kuTicked = ku;
        memo.clear();
        pick(test::rectWire("APB 7,1x12", 7.1, 12, 84));
        run({});
        EXPECT_EQ(memo.lines()[21], ku ? QStringLiteral("LV internal diameter of the cylinder, mm: 155,480")
                                       : QStringLiteral("LV internal diameter of the cylinder, mm: 148,000"));
    }
}

TEST_F(LvConductor, RefusedInputsStopWhereTheyAreRead) {
    struct Case {
        const char *n_sl, *k_t;
        int spin;
        const char* error;
        int linesBefore;
    } cases[] = {
        {"0", "1,03", 1, "Number of layers must be at least 1", 6},
        {"2", "0", 1, "Laying coefficient must be greater than 0", 9},
        {"2", "1,03", 0, "Range check error", 11},
        {"2", "1.03", 1, "'1.03' is not a valid floating point value", 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        in.n_sl = QString::fromUtf8(c.n_sl);
        in.k_t = QString::fromUtf8(c.k_t);
        in.parallelSpin = c.spin;
        memo.clear();
        pick(test::rectWire("APB 7,1x12", 7.1, 12, 84));
        try {
            run({});
            ADD_FAILURE() << "no error";
        } catch (const CommandError& e) {
            EXPECT_EQ(e.text(), QString::fromUtf8(c.error));
        }
        EXPECT_EQ(memo.size(), c.linesBefore);
    }
}

}  // namespace
}  // namespace dravik
