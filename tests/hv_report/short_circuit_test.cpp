#include "hv_test_support.h"

#include "common/command_error.h"
#include "windings/short_circuit.h"

#include <gtest/gtest.h>

#include <cmath>

// The short-circuit check of finished designs. Each design below is the
// state a whole script-mode run leaves (the memo's printed values, and the
// unrounded ones behind them), and each expected figure was worked out by
// hand from it with the textbook formulas, apart from the program.
namespace dravik::test {
namespace {

constexpr int kCopper = 0;
constexpr int kAluminum = 1;

// The standard 100 kVA core has a centre packet of 124 x 20 mm; the rod
// circle √(124² + 20²) = 125,6025 mm sets the inner diameter of the first
// winding, so every winding diameter below is 0,0025 mm above the one its
// report line prints (133,6 is 8 + 125,6025).
const double kRodCircle100kVA_mm = 1000 * std::sqrt(0.124 * 0.124 + 0.02 * 0.02);

struct FinishedDesign {
    DesignState design;
    Stage2State state;
    int materialIndex = kAluminum;
};

// A finished 100 kVA, 10/0,38 kV design: rated currents S/(√3·U).
FinishedDesign design100kVA(std::int32_t scheme, double Pk_norm, double uk_norm) {
    FinishedDesign d;
    d.design.S_rated = 100;
    d.design.U_hv = 10;
    d.design.U_lv = 0.38;
    d.design.scheme = scheme;
    d.design.Pk_norm = Pk_norm;
    d.design.uk_norm = uk_norm;
    d.design.I_hv = 100 / (std::sqrt(3.0) * 10);
    d.design.I_lv = 100 / (std::sqrt(3.0) * 0.38);
    d.state.turns.U_hv_ph = scheme == kSchemeDYn0 ? 10000 : 10000 / kSqrt3Stored;
    return d;
}

struct LvBuild {
    int w_lv, n_par, nlv, w_layer;
    WireRecord wire;
    double D_in_printed, D_out_printed;
};
struct HvBuild {
    int w_hv, n_layers, w_layer, heightTurns;  // heightTurns: w_layer + 2 with fuller layers
    WireRecord wire;
    double D_in_printed, D_out_printed;
};

// The LV and HV windings as the LV and HV calculations leave them, k_t 1,03.
void wind(FinishedDesign& d, const LvBuild& lv, const HvBuild& hv) {
    const double offset = kRodCircle100kVA_mm - 125.6;
    Stage2State& s = d.state;
    s.turns.w_lv = static_cast<std::uint16_t>(lv.w_lv);
    s.n_par = lv.n_par;
    s.lv.nlv = static_cast<std::uint16_t>(lv.nlv);
    s.lv.w_layer = static_cast<std::uint16_t>(lv.w_layer);
    s.lv.lv_wire = lv.wire;
    s.lv.k_t = 1.03;
    s.lv.l_lv = (lv.w_layer + 1) * lv.wire.b * 1.03;
    s.lv.D_lv_in = lv.D_in_printed + offset;
    s.lv.D_lv_out = lv.D_out_printed + offset;
    s.hv.J_lv = d.design.I_lv / (lv.n_par * lv.wire.s);

    s.turns.w_hv = static_cast<std::uint16_t>(hv.w_hv);
    s.hv.n_par_hv = 1;
    s.hv.n_layers_hv = static_cast<std::uint16_t>(hv.n_layers);
    s.hv.w_layer_hv = static_cast<std::uint16_t>(hv.w_layer);
    s.hv.hv_wire = hv.wire;
    s.hv.l_hv = (hv.wire.D + hv.wire.delta2) * 1 * hv.heightTurns * 1.03;
    s.hv.D_hv_in = hv.D_in_printed + offset;
    s.hv.D2od = hv.D_out_printed + offset;
    s.hv.J_hv = d.design.I_hv / (1 * hv.wire.s);
}

// examples/design.txt: Y/Zn-11 in aluminium, the rods 300 mm apart.
// LV: 75 turns (both zigzag halves sit on the rod), 5 strips 2,5 x 6,3 mm
// (15,201 mm2), 2 layers of 38, l_lv = 39·6,3·1,03 = 253,071 mm, D
// 133,6025..192,6025 mm. HV: 1710 turns, one round wire Ø1,8 mm (2,545
// mm2, 2δ 0,3), 11 layers of 163 of which 3 carry one more, l_hv =
// 2,1·165·1,03 = 356,895 mm, D 210,6025..262,5225 mm. U_hv_ph 5773,503 V.
FinishedDesign typicalDesign() {
    FinishedDesign d = design100kVA(kSchemeYZn11, 2270, 4.7);
    wind(d, {75, 5, 2, 38, rectWire("Aluminum", 2.5, 6.3, 15.201, 0.45), 133.6, 192.6},
         {1710, 11, 163, 165, roundWire("Aluminum", 1.8, 2.545, 0.3), 210.6, 262.52});
    return d;
}

// Y/Yn-0 in copper with the KU winding, three tap steps of 2 %. LV: 65
// turns of one strip 5,6 x 10 mm (55,142 mm2), 2 layers of 32, l_lv =
// 33·10·1,03 = 339,9 mm, D 140,0025..171,4025 mm (outside the KU and its
// board). HV: 1710 turns of one Ø1,6 mm wire (2,011 mm2, 2δ 0,1), 9 layers
// of 197 with 5 fuller, l_hv = 1,7·199·1,03 = 348,449 mm, D
// 189,4025..229,5625 mm.
FinishedDesign copperDesignWithKu() {
    FinishedDesign d = design100kVA(kSchemeYYn0, 1970, 4.5);
    d.materialIndex = kCopper;
    wind(d, {65, 1, 2, 32, rectWire("Copper", 5.6, 10, 55.142, 0.45, "ПБ"), 140, 171.4},
         {1710, 9, 197, 199, roundWire("Copper", 1.6, 2.011, 0.1, "ПЭТВ"), 189.4, 229.56});
    KuState& ku = d.state.ku;  // 22 turns of three 0,9 x 2 mm strips
    ku.w_ku = 22;
    ku.n_par_ku = 3;
    ku.n_layers_ku = 1;
    ku.w_layer_ku = 22;
    ku.ku_wire = rectWire("Copper", 0.9, 2, 1.626, 0.45, "ПБ");
    ku.l_ku = 47.37;
    ku.D_ku_in = 133.6 + kRodCircle100kVA_mm - 125.6;
    ku.D_ku_out = ku.D_ku_in + 5.4;
    d.state.ku_done = true;
    return d;
}

// D/Yn-0 in aluminium with the KU, the window 450 mm high and the rods 340
// mm apart. LV: 67 turns, 6 strips 2,8 x 5,6 mm (15,131 mm2), 2 layers of
// 34, l_lv = 35·5,6·1,03 = 201,88 mm, D 145,6025..221,8025 mm. HV in delta:
// 3054 turns at the line voltage 10000 V, one Ø2,0 mm wire (3,142 mm2, 2δ
// 0,3), 19 layers of 168 with 14 fuller, l_hv = 2,3·170·1,03 = 402,73 mm,
// D 239,8025..331,9625 mm.
FinishedDesign deltaDesignWithKu() {
    FinishedDesign d = design100kVA(kSchemeDYn0, 1970, 4.5);
    wind(d, {67, 6, 2, 34, rectWire("Aluminum", 2.8, 5.6, 15.131, 0.45), 145.6, 221.8},
         {3054, 19, 168, 170, roundWire("Aluminum", 2.0, 3.142, 0.3), 239.8, 331.96});
    d.state.ku.w_ku = 22;
    d.state.ku.n_par_ku = 1;
    d.state.ku.ku_wire = rectWire("Aluminum", 2.5, 16, 39.451, 0.45);
    d.state.ku.D_ku_in = 133.6 + kRodCircle100kVA_mm - 125.6;
    d.state.ku.D_ku_out = d.state.ku.D_ku_in + 11;
    d.state.ku_done = true;
    return d;
}

std::vector<std::string> checkLines(const FinishedDesign& d) {
    return lines(shortCircuitLines(computeShortCircuit(d.design, d.state, d.materialIndex)));
}

// By hand (Pk_norm 2270 W, uk_norm 4,7 %):
//   LV: J = 151,9343/(5·15,201) = 1,999004 A/mm2,
//       P = 3·0,0344·1,999004²·76,005·(π·163,1025/1000)·75 = 1204,54 W;
//       β = 38·6,3/253,071·0,95 = 0,898681,
//       kd = 1 + 0,037e8·0,898681²·0,0025⁴·(2·5)² = 1,011673.
//   HV: J = 5,773503/2,545 = 2,268567 A/mm2,
//       P = 3·0,0344·2,268567²·2,545·(π·236,5625/1000)·1710 = 1717,76 W;
//       β = 163·1,8/356,895·0,95 = 0,780986,
//       kd = 1 + 0,017e8·0,780986²·0,0018⁴·11² = 1,001317.
//   Pt = 10·0,01·100 = 10 W; Pk = 1,011673·1204,54 + 1,001317·1717,76 + 10
//       = 2948,62 W, (2948,62 − 2270)/2270 = +29,895 %.
//   ua = 2948,62/(10·100) = 2,94862 %.
//   d12 = (192,6025 + 210,6025)/2 = 201,6025, a12 = 9, a1 = 29,5,
//   a2 = 25,96, l = (253,071 + 356,895)/2 = 304,983 mm;
//   β = π·201,6025/304,983 = 2,076683, ap = (9 + 55,46/3)/1000 = 0,0274867 m,
//   σ = 64,46/(π·304,983) = 0,0672767, kR = 1 − σ·(1 − e^(−14,864)) = 0,932723,
//   uv = 5773,503/1710 = 3,376317 V,
//   ur = 0,7896·50·2,076683·0,0274867·0,932723·33,3333/3,376317² = 6,14631 %.
//   uk = √(2,94862² + 6,14631²) = 6,81700 %, (6,817 − 4,7)/4,7 = +45,043 %.
// The hand-made design misses both standards by far.
TEST(ShortCircuitCheck, TypicalDesignMissesBothStandards) {
    const FinishedDesign d = typicalDesign();
    EXPECT_EQ(checkLines(d), (std::vector<std::string>{
                                 "Short-circuit losses and voltage at 75 °C:",
                                 "Resistive losses of the LV winding, W: 1204,500",
                                 "Eddy-current factor of the LV winding: 1,012",
                                 "Resistive losses of the HV winding, W: 1717,800",
                                 "Eddy-current factor of the HV winding: 1,001",
                                 "Losses in the tank and the frame, W: 10,000",
                                 "Short-circuit losses Pk, W: 2948,600",
                                 "Deviation from the standard Pk=2270,000 W, %: 29,895",
                                 "Pk exceeds the standard by more than 10 %",
                                 "Active component ua, %: 2,949",
                                 "Reactive component ur, %: 6,146",
                                 "Short-circuit voltage uk, %: 6,817",
                                 "Deviation from the standard uk=4,700 %, %: 45,043",
                                 "uk is outside the standard (±10 %)",
                             }));
    // Beyond the five digits the lines show (1204,52 W from the printed diameters).
    const ShortCircuitFigures f = computeShortCircuit(d.design, d.state, d.materialIndex);
    EXPECT_NEAR(f.lv.P, 1204.539, 1e-3);
    EXPECT_NEAR(f.Pk, 2948.623, 1e-3);
    EXPECT_NEAR(f.uk, 6.817002, 1e-6);
}

// By hand (copper ρ 0,02135, Pk_norm 1970 W, uk_norm 4,5 %):
//   LV: J = 151,9343/55,142 = 2,755328,
//       P = 3·0,02135·2,755328²·55,142·(π·155,7025/1000)·65 = 852,525 W
//       (852,511 W from the printed diameters: the rod circle counts);
//       β = 32·10/339,9·0,95 = 0,894381, kd = 1 + 0,095e8·β²·0,0056⁴·2² = 1,029894.
//   HV: J = 5,773503/2,011 = 2,870961,
//       P = 3·0,02135·2,870961²·2,011·(π·209,4825/1000)·1710 = 1194,757 W;
//       β = 197·1,6/348,449·0,95 = 0,859351, kd = 1 + 0,044e8·β²·0,0016⁴·9² = 1,001725.
//   Pk = 2084,83 W, +5,829 %; ua = 2,08483 %.
//   d12 = 180,4025, a12 = 9, a1 = 15,7, a2 = 20,08, l = 344,1745 mm:
//   β = 1,646698, ap = 0,0209267 m, σ = 0,0414150, kR = 0,958585;
//   uv = 3,376317 V, ur = 3,81341 %; uk = 4,34611 %, −3,420 %.
// The KU winding inside the LV carries no load current and adds nothing.
TEST(ShortCircuitCheck, CopperDesignWithKuMeetsBothStandards) {
    const FinishedDesign d = copperDesignWithKu();
    EXPECT_EQ(checkLines(d), (std::vector<std::string>{
                                 "Short-circuit losses and voltage at 75 °C:",
                                 "Resistive losses of the LV winding, W: 852,520",
                                 "Eddy-current factor of the LV winding: 1,030",
                                 "Resistive losses of the HV winding, W: 1194,800",
                                 "Eddy-current factor of the HV winding: 1,002",
                                 "Losses in the tank and the frame, W: 10,000",
                                 "Short-circuit losses Pk, W: 2084,800",
                                 "Deviation from the standard Pk=1970,000 W, %: 5,829",
                                 "Pk meets the standard (at most +10 %)",
                                 "Active component ua, %: 2,085",
                                 "Reactive component ur, %: 3,813",
                                 "Short-circuit voltage uk, %: 4,346",
                                 "Deviation from the standard uk=4,500 %, %: -3,420",
                                 "uk meets the standard (within ±10 %)",
                             }));

    FinishedDesign withoutKu = d;
    withoutKu.state.ku = KuState{};
    withoutKu.state.ku_done = false;
    EXPECT_EQ(checkLines(withoutKu), checkLines(d));
}

// By hand (Pk_norm 1970 W, uk_norm 4,5 %). A delta winding carries the
// phase current, I_hv/√3 = 3,333333 A, not the line current behind the
// memo's "Actual current density in the winding HV A/mm2 1,838":
//   LV: J = 151,9343/(6·15,131) = 1,673543,
//       P = 3·0,0344·1,673543²·90,786·(π·183,7025/1000)·67 = 1014,641 W;
//       β = 34·5,6/201,88·0,95 = 0,895978, kd = 1 + 0,037e8·β²·0,0028⁴·12² = 1,026290.
//   HV: J = 3,333333/3,142 = 1,060895,
//       P = 3·0,0344·1,060895²·3,142·(π·285,8825/1000)·3054 = 1001,008 W
//       (3003,0 W with the line current);
//       β = 168·2/402,73·0,95 = 0,792591, kd = 1 + 0,017e8·β²·0,002⁴·19² = 1,006168.
//   Pk = 1,026290·1014,641 + 1,006168·1001,008 + 10 = 2058,50 W, +4,492 %;
//   ua = 2,05850 %.
//   d12 = 230,8025, a12 = 9, a1 = 38,1, a2 = 46,08, l = 302,305 mm:
//   β = 2,398530, ap = 0,0370600 m, σ = 0,0981130, kR = 0,901890;
//   uv = 10000/3054 = 3,274394 V, ur = 9,84007 %; uk = 10,05308 %, +123,40 %.
// The wide delta winding (its conductor sized for the line current) puts
// uk far above the standard while Pk meets it.
TEST(ShortCircuitCheck, DeltaDesignCountsThePhaseCurrentOfTheHvWinding) {
    const FinishedDesign d = deltaDesignWithKu();
    EXPECT_EQ(checkLines(d), (std::vector<std::string>{
                                 "Short-circuit losses and voltage at 75 °C:",
                                 "Resistive losses of the LV winding, W: 1014,600",
                                 "Eddy-current factor of the LV winding: 1,026",
                                 "Resistive losses of the HV winding, W: 1001,000",
                                 "Eddy-current factor of the HV winding: 1,006",
                                 "Losses in the tank and the frame, W: 10,000",
                                 "Short-circuit losses Pk, W: 2058,500",
                                 "Deviation from the standard Pk=1970,000 W, %: 4,492",
                                 "Pk meets the standard (at most +10 %)",
                                 "Active component ua, %: 2,058",
                                 "Reactive component ur, %: 9,840",
                                 "Short-circuit voltage uk, %: 10,053",
                                 "Deviation from the standard uk=4,500 %, %: 123,400",
                                 "uk is outside the standard (±10 %)",
                             }));
    EXPECT_NEAR(computeShortCircuit(d.design, d.state, d.materialIndex).hv.J, 1.060895, 1e-6);
}

// Pk may lie up to 10 % above the standard (any amount below meets it);
// uk within 10 % either way, both limits included.
TEST(ShortCircuitCheck, VerdictsTakeTheToleranceLimitsAsMet) {
    const struct {
        double dPk, duk;
        const char *pkVerdict, *ukVerdict;
    } cases[] = {
        {10, 10, "Pk meets the standard (at most +10 %)", "uk meets the standard (within ±10 %)"},
        {-40, -10, "Pk meets the standard (at most +10 %)", "uk meets the standard (within ±10 %)"},
        {10.0001, 10.0001, "Pk exceeds the standard by more than 10 %", "uk is outside the standard (±10 %)"},
        {12, -10.0001, "Pk exceeds the standard by more than 10 %", "uk is outside the standard (±10 %)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dPk << " / " << c.duk);
        ShortCircuitFigures f;
        f.dPk = c.dPk;
        f.duk = c.duk;
        const QStringList text = shortCircuitLines(f);
        ASSERT_EQ(text.size(), 14);
        EXPECT_EQ(text[8].toStdString(), c.pkVerdict);
        EXPECT_EQ(text[13].toStdString(), c.ukVerdict);
    }
}

// A value the check cannot work out stops it with the guard's text.
TEST(ShortCircuitCheck, FiguresThatCannotBeWorkedOutStopTheCheck) {
    const struct {
        const char* name;
        void (*spoil)(FinishedDesign&);
        const char* error;
    } cases[] = {
        {"LV height zero", [](FinishedDesign& d) { d.state.lv.l_lv = 0; }, "Floating point division by zero"},
        {"HV height zero", [](FinishedDesign& d) { d.state.hv.l_hv = 0; }, "Floating point division by zero"},
        {"no radial size at all",
         [](FinishedDesign& d) {
             d.state.lv.D_lv_in = d.state.lv.D_lv_out = d.state.hv.D_hv_in = d.state.hv.D2od = 0;
         },
         "Floating point division by zero"},
        {"no HV phase voltage", [](FinishedDesign& d) { d.state.turns.U_hv_ph = 0; },
         "Floating point division by zero"},
        {"no standard Pk", [](FinishedDesign& d) { d.design.Pk_norm = 0; }, "Floating point division by zero"},
        {"no standard uk", [](FinishedDesign& d) { d.design.uk_norm = 0; }, "Floating point division by zero"},
        {"infinite diameter", [](FinishedDesign& d) { d.state.hv.D2od = INFINITY; },
         "Invalid floating point operation"},
        {"material outside the list", [](FinishedDesign& d) { d.materialIndex = 2; }, "Range check error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FinishedDesign d = typicalDesign();
        c.spoil(d);
        try {
            computeShortCircuit(d.design, d.state, d.materialIndex);
            ADD_FAILURE() << "no error";
        } catch (const CommandError& error) {
            EXPECT_EQ(error.text().toStdString(), c.error);
        }
    }
}

// "Calculation HV" keeps a check only when it ends with the winding
// report, worked out for the material item of that run.
TEST(ShortCircuitCheck, HvRunKeepsTheCheckOnlyWhenItEndsWithTheReport) {
    {
        SCOPED_TRACE("complete run");
        HvCase c = transformer630kVA();
        c.in.materialIndex = kCopper;  // the item decides, not the text
        Report memo;
        Stage2Effects effects;
        calculateHv(c.in, c.design, c.state, c.catalogue, memo, effects);
        ASSERT_TRUE(c.state.short_circuit.has_value());
        EXPECT_EQ(lines(shortCircuitLines(*c.state.short_circuit)),
                  lines(shortCircuitLines(computeShortCircuit(c.design, c.state, kCopper))));
        EXPECT_NE(c.state.short_circuit->lv.P, computeShortCircuit(c.design, c.state, kAluminum).lv.P);
    }
    {
        SCOPED_TRACE("too wide for the window");
        HvCase c = transformer630kVA();
        c.design.C = 0.43;
        c.state.short_circuit = ShortCircuitFigures{};
        Report memo;
        Stage2Effects effects;
        calculateHv(c.in, c.design, c.state, c.catalogue, memo, effects);
        EXPECT_FALSE(c.state.short_circuit.has_value());
    }
    {
        SCOPED_TRACE("check that cannot be worked out");
        HvCase c = transformer630kVA();
        c.design.Pk_norm = 0;
        c.state.short_circuit = ShortCircuitFigures{};
        Report memo;
        Stage2Effects effects;
        try {
            calculateHv(c.in, c.design, c.state, c.catalogue, memo, effects);
            ADD_FAILURE() << "no error";
        } catch (const CommandError& error) {
            EXPECT_EQ(error.text(), "Floating point division by zero");
        }
        EXPECT_EQ(memo.last(), "1000+-2*25=950");  // the winding report stays
        EXPECT_TRUE(c.state.hv_done);
        EXPECT_EQ(effects.parallelSpinEnabled, true);
        EXPECT_FALSE(c.state.short_circuit.has_value());
    }
}

// A strip 10 m wide across the stray field (a catalogue slip) makes the
// eddy-current factor 1 + 0,037e8·0,8987²·10⁴·10² ≈ 3·10¹²: the check
// stops the command rather than show it.
TEST(ShortCircuitCheck, AnAbsurdFigureStopsTheCommand) {
    FinishedDesign d = typicalDesign();
    d.state.lv.lv_wire.a = 10000;
    try {
        computeShortCircuit(d.design, d.state, d.materialIndex);
        ADD_FAILURE() << "an eddy-current factor of 3e12 was accepted";
    } catch (const CommandError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("Invalid floating point operation"));
    }
}

}  // namespace
}  // namespace dravik::test
