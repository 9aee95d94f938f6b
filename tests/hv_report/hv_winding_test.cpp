#include "hv_test_support.h"

#include "common/command_error.h"
#include "windings/hv_winding.h"

#include <gtest/gtest.h>

namespace dravik::test {
namespace {

struct HvRun {
    Report memo{QStringList{"earlier line"}};
    Stage2Effects effects;
};

const std::string kNotPlaced =
    "HV winding is not placed on the axis! Select a different combination of parallel sections and coils of wire!";

HvRun calculate(HvCase& c) {
    HvRun run;
    calculateHv(c.in, c.design, c.state, c.catalogue, run.memo, run.effects);
    return run;
}

// 630 kVA at 10 kV: the row for the larger transformers (l_02 50, a_12 20,
// δ12 4, a22 18) and 4/0.5 = 8 board layers. Layers: Round(500/(4.05·1.03))
// = 120 turns, Round(1050/120) = 9 layers of Trunc(116.7) = 116, 1050 mod 9
// = 6 layers with one more; l_hv = 4.05·1·118·1.03 = 492.237 mm below 500.
// U_il = 222·1.6·0.025·116 = 1030.08 V needs 3 × 0.12 mm of paper;
// a_hv = 9·3.75 + 7·0.36 + 1·4 = 40.27; D2od = 2·40.27 + 340 = 420.54 ≤ 432.
TEST(HvWinding, DesignThatFitsEndsWithTheWindingReport) {
    HvCase c = transformer630kVA();
    const HvRun run = calculate(c);
    const std::vector<std::string> expected{
        "earlier line",
        "The number of layers of insulation (paperboard) for cylinder HV 8",
        "Actual current density A/mm2 3,500",
        "Approximate current density HV A/mm2 3,000",
        "Approximate wire HV, mm2 12,000",
        "The chosen type of HV wire: АПБ 11,040mm2 parallel wire a=1  Corresponds to 92,000%",
        "The final selection of the type of wire HV winding: АПБ 11,040mm2 parallel wire a=1",
        "Actual current density in the winding HV A/mm2 3,261",
        "Estimated number of loop in one layer HV winding, 120",
        "Calculation of the number of layers in the HV winding, 9",
        "The actual number of loop in one layer of HV winding, 116",
        "Add to 6 layers, one loop of wire. 3 layers for 116 loop of wire",
        "Height of HV winding, mm 492,240",
        "HV winding is placed on the axis",
        "We define the maximum voltage between loop in two neighboring layers HV winding, V 1030,100",
        "Interlayer insulation, Umin, V 1001,000",
        "Interlayer insulation, Umax, V 2000,000",
        "Interlayer insulation, numb. of layers 3",
        "Interlayer insulation, delta, mm 0,120",
        "Thickness of the interlayer insulation HV mm 0,360",
        "Radial size of the HV winding, mm 40,270",
        "Bore HV winding, mm 340,000",
        "Outer diameter of the cylinder HV winding D2od, mm 420,540",
        "D2вн<=C-a22, мм 420,540<=432,000",
        "HV winding is placed on the window width. Calculation of LV and HV winding is complete.",
        " ",
        "Terms of Reference for the winding:",
    };
    const std::vector<std::string> memo = lines(run.memo);
    ASSERT_GE(memo.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(memo.begin(), memo.begin() + expected.size()), expected);

    // The HV section of the report, aluminium at k 25410:
    // m_hv = (420.54 + 340)/2/1000·1000·1·11.04/1e6·25410 = 106.68 kg.
    EXPECT_EQ(block(run.memo, "Winding high-voltage (HV):", 16),
              (std::vector<std::string>{
                  "Winding high-voltage (HV):", "Voltage HV, kV: 10,0", "Number of loop of HV winding:1000",
                  "Number of coils HV: 2", "The number of layers HV: 9", "In 3 layers of the number of loop: 116",
                  "In 6 layers of the number of loop: 117", "Parallel wires:1", "Type and size of the wires: АПБ 11,040",
                  "Weight aluminum, kg: 106,7", "Axial dimension of the HV winding, mm 492,2",
                  "The inner diameter of the coil HV, mm 340,0", "The outer diameter of the coil HV, mm 420,5",
                  "Insulation between the layers of HV winding: electric board 3 слоев 0,1 mm",
                  "The number of loop between terminals HV winding:", "A-1=Wвн+2*Wр"}));
    EXPECT_EQ(run.memo.last(), "1000+-2*25=950");
    EXPECT_TRUE(c.state.hv_done);
    EXPECT_EQ(c.state.fit.hv_on_rod, true);
    EXPECT_EQ(c.state.fit.hv_in_window, true);
    EXPECT_FALSE(c.state.hv_manual_par);
    EXPECT_EQ(c.state.hv.hv_wire, c.catalogue[2]);
    EXPECT_DOUBLE_EQ(c.state.lv.a_k, 4.0);
    EXPECT_EQ(run.effects.catalogueControlsEnabled, true);
    EXPECT_EQ(run.effects.parallelSpinEnabled, true);
}

TEST(HvWinding, WindingWiderThanTheWindowAsksForAnotherConductor) {
    HvCase c = transformer630kVA();
    c.design.C = 0.43;  // 430 − 18 = 412 mm, below D2od 420.54
    const HvRun run = calculate(c);
    EXPECT_EQ(lines(run.memo.lines().mid(run.memo.size() - 2)),
              (std::vector<std::string>{"Condition D2od<=C-a22, мм 420,540>412,000",
                                        "HV winding no company on the window width! Please choose another combination "
                                        "sectional area of the wire and parallel loop!"}));
    EXPECT_TRUE(c.state.hv_manual_par);
    EXPECT_FALSE(c.state.hv_done);
    EXPECT_EQ(c.state.fit.hv_in_window, false);
}

// W = 1033 + 2·25 = 1083 turns; Round(500/4.6) = 109 per layer gives
// Round(9.94) = 10 layers of Trunc(108.3) = 108 with 3 fuller layers. The
// height 4.6·110 = 506 mm is above the 500 mm of rod.
TEST(HvWinding, RemainderTurnsGoIntoWholeLayers) {
    HvCase c = transformer630kVA();
    c.state.turns.w_hv = 1033;
    c.state.lv.k_t = 1.0;
    c.state.hv_wire_picked = true;
    c.state.chosen_wire = roundWire("Aluminum", 4.2, 13.85, 0.4);
    c.state.fit.hv_in_window = true;  // left by an earlier run
    const HvRun run = calculate(c);
    EXPECT_EQ(block(run.memo, "Estimated number of loop in one layer HV winding, 109", 6),
              (std::vector<std::string>{
                  "Estimated number of loop in one layer HV winding, 109",
                  "Calculation of the number of layers in the HV winding, 10",
                  "The actual number of loop in one layer of HV winding, 108",
                  "Add to 3 layers, one loop of wire. 7 layers for 108 loop of wire", "Height of HV winding, mm 506,000",
                  kNotPlaced}));
    EXPECT_EQ(run.memo.last().toStdString(), kNotPlaced);
    EXPECT_DOUBLE_EQ(c.state.hv.r_extra, 3.0);
    EXPECT_EQ(c.state.fit.hv_on_rod, false);
    EXPECT_FALSE(c.state.fit.hv_in_window.has_value());  // a stale check of an earlier run is forgotten
    EXPECT_TRUE(c.state.hv_manual_par);
    EXPECT_EQ(run.effects.parallelSpinEnabled, true);  // the grid pick hands SE_a to the user
    EXPECT_FALSE(run.effects.catalogueControlsEnabled.has_value());
}

// The height must stay strictly below the whole millimetres of rod, which
// are counted from the length as typed: 1,001 m less 2·20 mm is 961 mm.
TEST(HvWinding, PlacementComparesTheHeightWithWholeMillimetresOfRod) {
    struct Case {
        const char* name;
        double Lc_razm, D, delta2, k_t;
        int w_hv;
        const char* height;
        bool placed;
    };
    const Case cases[] = {
        // 250/2.5 = 100 per layer, 990 turns in 10 layers of 99: 2.5·100 = 250 mm.
        {"height equal to the room", 0.29, 2.25, 0.25, 1.0, 940, "Height of HV winding, mm 250,000", false},
        // Round(961/3.2033) = 300, 1196 turns in 4 layers of 299: 3.11·300·1.03 = 960.99 mm.
        {"room from a typed length", 1.001, 2.83, 0.28, 1.03, 1146, "Height of HV winding, mm 960,990", true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        HvCase c = transformer630kVA();
        c.design.S_rated = 100;  // l_02 20 mm
        c.design.Lc_razm = k.Lc_razm;
        c.state.lv.k_t = k.k_t;
        c.state.turns.w_hv = k.w_hv;
        c.state.hv_wire_picked = true;
        c.state.chosen_wire = roundWire("Aluminum", k.D, 12, k.delta2);
        const HvRun run = calculate(c);
        const std::string verdict = k.placed ? "HV winding is placed on the axis" : kNotPlaced;
        EXPECT_EQ(block(run.memo, k.height, 2), (std::vector<std::string>{k.height, verdict}));
        EXPECT_DOUBLE_EQ(c.state.hv.r_extra, 0.0);
    }
}

// Each check that ends the run writes its line last and leaves what came
// before it.
TEST(HvWinding, FailedChecksEndTheRunWithTheirLine) {
    const std::string head[] = {"earlier line", "The number of layers of insulation (paperboard) for cylinder HV 8",
                                "Actual current density A/mm2 3,500", "Approximate current density HV A/mm2 3,000",
                                "Approximate wire HV, mm2 12,000"};
    {
        SCOPED_TRACE("HV before LV");
        HvCase c = transformer630kVA();
        c.state.lv_done = false;
        c.state.hv_last_material = "Copper";
        c.state.hv_done = c.state.hv_manual_par = true;
        const HvRun run = calculate(c);
        EXPECT_EQ(lines(run.memo), (std::vector<std::string>{"earlier line", "Calculate the LV winding first!"}));
        EXPECT_FALSE(c.state.hv_done);  // the material change came first
        EXPECT_FALSE(c.state.hv_manual_par);
        EXPECT_EQ(c.state.hv_last_material, "Aluminum");
    }
    {
        SCOPED_TRACE("no insulation distances between 100 and 160 kVA");
        HvCase c = transformer630kVA();
        c.design.S_rated = 125;
        c.state.hv.l_02 = 77;
        const HvRun run = calculate(c);
        EXPECT_EQ(lines(run.memo), (std::vector<std::string>{
                                       "earlier line", "No main insulation distances for this power and HV voltage!"}));
        EXPECT_DOUBLE_EQ(c.state.hv.l_02, 77);
    }
    {
        SCOPED_TRACE("LV density leaves none for the HV");
        HvCase c = transformer630kVA();
        c.design.I_lv = 1690;  // 1690/260 = 6.5 = 2·3.25
        const HvRun run = calculate(c);
        EXPECT_EQ(lines(run.memo), (std::vector<std::string>{
                                       head[0], head[1], "Actual current density A/mm2 6,500",
                                       "Approximate current density HV A/mm2 0,000",
                                       "Approximate current density HV is not positive! Select a larger LV conductor "
                                       "and repeat calculation!"}));
    }
    {
        SCOPED_TRACE("rectangular conductor");
        HvCase c = transformer630kVA();
        c.in.shapeIndex = 0;  // 11.5/12 = 95.833 %
        const HvRun run = calculate(c);
        EXPECT_EQ(lines(run.memo),
                  (std::vector<std::string>{
                      head[0], head[1], head[2], head[3], head[4],
                      "The chosen type of HV wire: АПБ 11,500mm2 parallel wire a=1 Corresponds to 95,833%",
                      "The final selection of the type of wire HV winding: АПБ 11,500mm2 parallel wire a=1",
                      "Actual current density in the winding HV A/mm2 3,130",
                      "HV winding is calculated for round wire only! Select a round conductor (cikl) and repeat "
                      "calculation!"}));
        EXPECT_FALSE(c.state.hv_manual_par);  // "cikl" and a new press search again
    }
    {
        SCOPED_TRACE("layer voltage above the interlayer table");
        HvCase c = transformer630kVA();
        c.design.rod_area = 0.15;  // 222·1.6·0.15·116 = 6180.48 V
        const HvRun run = calculate(c);
        EXPECT_EQ(lines(run.memo.lines().mid(run.memo.size() - 2)),
                  (std::vector<std::string>{
                      "We define the maximum voltage between loop in two neighboring layers HV winding, V 6180,500",
                      "No interlayer insulation for this voltage between layers!"}));
    }
}

TEST(HvWinding, ChannelCountThatIsNotANumberStopsAfterTheInsulation) {
    HvCase c = transformer630kVA();
    c.in.nk = "x";
    HvRun run;
    try {
        calculateHv(c.in, c.design, c.state, c.catalogue, run.memo, run.effects);
        FAIL() << "no error";
    } catch (const CommandError& error) {
        EXPECT_EQ(error.text(), "'x' is not a valid integer value");
    }
    EXPECT_EQ(run.memo.last(), "Thickness of the interlayer insulation HV mm 0,360");
    EXPECT_EQ(run.effects.catalogueControlsEnabled, true);  // decided at the search, before the failure
}

}  // namespace
}  // namespace dravik::test
