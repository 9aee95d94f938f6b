#include "ku_lv/ku_lv_support.h"

#include "common/command_error.h"
#include "windings/lv_calculation.h"
#include "windings/lv_turns.h"

#include <gtest/gtest.h>

// The start of "Calculation LV": the tap-step check before any line, the
// material restart, the KU guard and the repeat guard, in that order.
namespace dravik {
namespace {

const QString kEarlier = QStringLiteral("an earlier line");

TEST(LvCalculationStart, TapStepsAreCheckedBeforeAnyLine) {
    const struct {
        const char *text, *error;
    } cases[] = {
        {"10", "Number of tap steps must be 0..9"},
        {"-1", "Number of tap steps must be 0..9"},
        {"2,5", "'2,5' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        LvInputs in = test::lvInputs();
        in.numhU = QString::fromUtf8(c.text);
        in.kuTicked = true;  // the KU guard would stop too, but later
        DesignState design = test::design100kVA(kSchemeYYn0);
        Stage2State state;
        Report memo({kEarlier});
        Stage2Effects effects;
        try {
            calculateLv(in, design, state, {}, memo, effects);
            ADD_FAILURE() << "no error";
        } catch (const CommandError& e) {
            EXPECT_EQ(e.text(), QString::fromUtf8(c.error));
        }
        EXPECT_EQ(memo.lines(), QStringList{kEarlier});
        EXPECT_TRUE(state.last_material.isEmpty());
    }
}

TEST(LvCalculationStart, GuardsAddTheirLineAndStop) {
    const struct {
        const char* name;
        bool kuTicked, ku_done, lv_done;
        const char* lastMaterial;
        const char* line;  // nullptr: the calculation goes on
    } cases[] = {
        {"KU ticked, not calculated", true, false, true, "Copper", "Calculate the KU winding first!"},
        {"LV done, no wire picked", false, false, true, "Aluminum",
         "The wire is not selected. Select the wire to continue the calculation"},
        {"new material starts afresh", false, false, true, "Copper", nullptr},
        {"KU calculated", true, true, false, "Aluminum", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LvInputs in = test::lvInputs();
        in.kuTicked = c.kuTicked;
        DesignState design = test::design100kVA(kSchemeYYn0);
        Stage2State state;
        state.ku_done = c.ku_done;
        state.lv_done = c.lv_done;
        state.manual_par = true;
        state.last_material = QString::fromUtf8(c.lastMaterial);
        Report memo({kEarlier});
        Stage2Effects effects;
        calculateLv(in, design, state, {}, memo, effects);
        if (c.line) {
            EXPECT_EQ(memo.lines(), QStringList({kEarlier, QString::fromUtf8(c.line)}));
        } else {
            EXPECT_EQ(memo.lines()[1], QStringLiteral("The number of loop in the winding of one phase LV 57"));
        }
        // The material restart runs before every guard.
        EXPECT_EQ(state.last_material, QStringLiteral("Aluminum"));
        EXPECT_EQ(state.lv_done, c.lv_done && state.last_material == QString::fromUtf8(c.lastMaterial));
    }
}

TEST(LvCalculationStart, TapCountIsReadAgainFromStageOne) {
    LvInputs in = test::lvInputs();
    in.numhU = QStringLiteral("1");
    DesignState design = test::design100kVA(kSchemeYYn0);
    Stage2State state;
    Report memo;
    Stage2Effects effects;
    calculateLv(in, design, state, {}, memo, effects);
    EXPECT_EQ(design.tap_count, 1);
    EXPECT_EQ(memo.lines().filter(QStringLiteral("Higher voltage output at ")).size(), 3);
}

// Every press that goes ahead changes or may change the LV winding, so the
// short-circuit check of the windings before it goes; a tap-step count that
// refuses the press before any line leaves it.
TEST(LvCalculationStart, APressThatGoesAheadEmptiesTheShortCircuitCheck) {
    const struct {
        const char *name, *numhU;
        bool kept;
    } cases[] = {
        {"refused tap-step count", "10", true},
        {"stopped by the KU guard", "2", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LvInputs in = test::lvInputs();
        in.numhU = QString::fromUtf8(c.numhU);
        in.kuTicked = true;
        DesignState design = test::design100kVA(kSchemeYYn0);
        Stage2State state;
        state.short_circuit = ShortCircuitFigures{};
        Report memo;
        Stage2Effects effects;
        try {
            calculateLv(in, design, state, {}, memo, effects);
        } catch (const CommandError&) {
        }
        EXPECT_EQ(state.short_circuit.has_value(), c.kept);
    }
}

}  // namespace
}  // namespace dravik

namespace dravik {
namespace {

// A press that replaces a finished LV winding with one that does not fit
// leaves no finished LV winding behind: the HV is then refused rather than
// laid round a winding the report would describe with the misfit's height.
TEST(LvCalculationStart, AWindingThatNoLongerFitsIsNotDone) {
    LvInputs in = test::lvInputs();
    DesignState design = test::design100kVA(kSchemeYYn0);
    Stage2State state;
    Report memo;
    Stage2Effects effects;
    const std::vector<WireRecord> catalogue{test::rectWire("APB 7,1x12", 7.1, 12, 84)};
    state.fit = {true, true, true, true};  // a KU, and an HV round the LV about to be replaced
    calculateLv(in, design, state, catalogue, memo, effects);
    ASSERT_TRUE(state.lv_done);
    EXPECT_EQ(state.fit.ku_on_rod, true);
    EXPECT_EQ(state.fit.lv_on_rod, true);
    EXPECT_FALSE(state.fit.hv_on_rod.has_value());
    EXPECT_FALSE(state.fit.hv_in_window.has_value());

    // 28 turns a layer of a 14 mm strip: 29 x 14 x 1.03 = 418.18 mm on 370 mm of rod.
    state.chosen_wire = test::rectWire("APB 2x14", 2, 14, 27.6);
    state.lv_wire_picked = true;
    in.parallelSpin = 4;
    calculateLv(in, design, state, catalogue, memo, effects);
    EXPECT_EQ(memo.last(), QStringLiteral("ОLV winding axis is not available! Select a different combination of size "
                                          "and number of parallel wires of wire turns!"));
    EXPECT_FALSE(state.lv_done);
    EXPECT_EQ(state.fit.lv_on_rod, false);
}

}  // namespace
}  // namespace dravik
