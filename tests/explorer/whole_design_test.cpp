#include "explorer/explorer_support.h"

#include "magnetic/magnetic_calculation.h"
#include "magnetic/stage1_results.h"
#include "windings/short_circuit.h"

#include <gtest/gtest.h>

// The whole design in one call against the designs the windows make press by
// press: the expected memos beside the script-mode tests (worked out apart
// from the program, see there) are what the windows show for the same
// inputs, so one function and the windows' steps agree line for line.
namespace dravik::test {
namespace {

struct Made {
    DesignOutcome outcome;
    DesignState design;
    Stage2State windings;
    Report stage1;
    Report memo;
};

Made makeDesign(const DesignInputs& in, bool withLines = true) {
    Made made;
    if (!withLines) {
        made.stage1 = Report::withoutLines();
        made.memo = Report::withoutLines();
    }
    const std::vector<WireRecord> wires = shippedWires();
    made.outcome = designWhole(in, {builtInSteels(), wires}, made.design, made.windings, made.stage1, made.memo);
    return made;
}

// The typical design with the rods 300 mm apart (examples/design.txt),
// "cikl" chosen before the first HV press: the memo of the script-mode run
// without the lines of its refused round-wire press.
TEST(WholeDesign, TypicalZigzagDesignAgreesWithTheWindows) {
    DesignInputs in = windowDefaults("100", "Y/Zn-11");
    in.core.C = "300";
    const Made made = makeDesign(in);

    QStringList expected = expectedMemo("zigzag_100kva.txt");
    const qsizetype refused = expected.indexOf(QStringLiteral(
        "HV winding is calculated for round wire only! Select a round conductor (cikl) and repeat calculation!"));
    ASSERT_GT(refused, 0);
    expected.remove(refused - 8, 9);  // that press's lines, from its cylinder layers on
    EXPECT_EQ(joined(made.memo.lines()), joined(expected));

    // Stage I as "Calculation of the magnetic" writes it for the same inputs.
    DesignState design;
    Stage1Results results;
    Report stage1;
    calculateMagneticCircuit(in.core, builtInSteels(), design, results, stage1);
    EXPECT_EQ(made.stage1.lines(), stage1.lines());
    EXPECT_EQ(made.stage1.last().toStdString(), "Current condition of idling coincided");

    // The windings are complete; the hand-made design misses the standard's Pk.
    ASSERT_TRUE(made.windings.short_circuit.has_value());
    EXPECT_EQ(made.outcome.stop, DesignStop::PkAboveStandard);
    EXPECT_EQ(shortCircuitLines(*made.windings.short_circuit)[6].toStdString(), "Short-circuit losses Pk, W: 2948,600");
}

// D/Yn-0 with the KU in two layers, the window 450 mm high, the rods 340 mm
// apart: the KU, LV and HV memo of the windows.
TEST(WholeDesign, DeltaStarDesignWithTheKuAgreesWithTheWindows) {
    DesignInputs in = windowDefaults("100", "D/Yn-0");
    in.core.Lc = "450";
    in.core.C = "340";
    in.ku.n_sl = "2";
    const Made made = makeDesign(in);
    EXPECT_EQ(joined(made.memo.lines()), joined(expectedMemo("delta_ku_100kva.txt")));
    EXPECT_TRUE(made.windings.ku_done);
}

// 40 kVA Y/Zn-11, the zigzag at 20 degrees, the LV in three layers.
TEST(WholeDesign, ZigzagAngleAndLayersAgreeWithTheWindows) {
    DesignInputs in = windowDefaults("40", "Y/Zn-11");
    in.zigzagAngle_rad = 20 * std::numbers::pi / 180;
    in.lv.n_sl = "3";
    const Made made = makeDesign(in);
    EXPECT_EQ(joined(made.memo.lines()), joined(expectedMemo("zigzag_40kva_angle_20.txt")));
}

// Values in place of the texts, and no lines kept: the same state, figure
// for figure, and the same end.
TEST(WholeDesign, ValuesWithoutLinesGiveTheSameDesignAsTexts) {
    DesignInputs typed = windowDefaults("100", "D/Yn-0");
    typed.core.Lc = "450";
    typed.core.C = "340";
    DesignInputs values = typed;
    const auto asValue = [](NumberInput& input) { input = NumberInput::of(floatOf(input)); };
    for (NumberInput* field : {&values.core.C, &values.core.Lc, &values.core.Cok, &values.core.dz, &values.core.Uvn,
                               &values.core.Un, &values.core.hB, &values.core.hU, &values.core.numhU,
                               &values.core.snom, &values.lv.l_01, &values.lv.k_t, &values.lv.n_sl,
                               &values.lv.ak, &values.lv.nk, &values.lv.a_01, &values.hv.ak, &values.hv.nk}) {
        asValue(*field);
    }
    for (auto* packets : {&values.core.A, &values.core.a, &values.core.B, &values.core.b}) {
        for (NumberInput& packet : *packets) asValue(packet);
    }

    const Made fromTexts = makeDesign(typed);
    const Made fromValues = makeDesign(values, false);
    EXPECT_TRUE(fromValues.stage1.isEmpty());
    EXPECT_TRUE(fromValues.memo.isEmpty());
    EXPECT_EQ(fromValues.outcome.stop, fromTexts.outcome.stop);
    EXPECT_EQ(fromValues.design.B_rod, fromTexts.design.B_rod);
    EXPECT_EQ(fromValues.design.P0, fromTexts.design.P0);
    EXPECT_EQ(fromValues.windings.report.m_lv, fromTexts.windings.report.m_lv);
    EXPECT_EQ(fromValues.windings.report.m_hv, fromTexts.windings.report.m_hv);
    EXPECT_EQ(fromValues.windings.report.m_ku, fromTexts.windings.report.m_ku);
    ASSERT_TRUE(fromValues.windings.short_circuit && fromTexts.windings.short_circuit);
    EXPECT_EQ(fromValues.windings.short_circuit->Pk, fromTexts.windings.short_circuit->Pk);
    EXPECT_EQ(fromValues.windings.short_circuit->uk, fromTexts.windings.short_circuit->uk);
}

// A calculation that stops ends the design where the window would stop,
// and a refused input is named like the window names it.
TEST(WholeDesign, StopsWhereTheWindowsStop) {
    {
        SCOPED_TRACE("the standard rod pitch: the HV misses the window width by half a millimetre");
        const Made made = makeDesign(windowDefaults("100", "Y/Zn-11"));
        EXPECT_EQ(made.outcome.stop, DesignStop::HvOutOfWindow);
        EXPECT_EQ(made.memo.lines().at(made.memo.size() - 2).toStdString(),
                  "Condition D2od<=C-a22, мм 262,520>262,000");
        EXPECT_FALSE(made.windings.short_circuit.has_value());
    }
    {
        SCOPED_TRACE("the LV winding too high for the rod between its yoke distances");
        DesignInputs in = windowDefaults("100", "Y/Zn-11");
        in.lv.l_01 = NumberInput::of(120);
        const Made made = makeDesign(in, false);
        EXPECT_EQ(made.outcome.stop, DesignStop::LvOffRod);
        EXPECT_EQ(made.windings.fit.lv_on_rod, false);
    }
    {
        SCOPED_TRACE("a value outside its range is refused with the window's text");
        DesignInputs in = windowDefaults("100", "Y/Zn-11");
        in.lv.n_sl = NumberInput::of(101);
        const Made made = makeDesign(in, false);
        EXPECT_EQ(made.outcome.stop, DesignStop::Refused);
        EXPECT_EQ(made.outcome.refusal.toStdString(), "Numb. layers of winding LV, nlv must be at least 1 and at most 100: 101");
    }
}

}  // namespace
}  // namespace dravik::test
