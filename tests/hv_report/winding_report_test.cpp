#include "hv_test_support.h"

#include "common/command_error.h"
#include "windings/winding_report.h"
#include "windings/zigzag.h"

#include <gtest/gtest.h>

namespace dravik::test {
namespace {

// A copper 10/0.4 kV design without a KU: the LV conductor of the
// conductor-line example (X 9.55 mm2, 1.8 × 5.6, 2δ 0.45, two strands) and
// a rectangular HV conductor, both in layers without extra turns.
struct ReportCase {
    DesignState design;
    Stage2State state;
    WindingReportInputs in{false, "Copper", 1};
};

ReportCase copperDesign() {
    ReportCase c;
    c.design.U_lv = 0.4;
    c.design.U_hv = 10;
    c.design.scheme = 1;
    c.design.tap_count = 2;
    Stage2State& s = c.state;
    s.turns.w_lv = 24;
    s.turns.w_hv = 1000;
    s.turns.w_tap = 25;
    s.n_par = 2;
    s.lv.n_k = 0;
    s.lv.nlv = 2;
    s.lv.w_layer = 12;
    s.lv.lv_wire = rectWire("Copper", 1.8, 5.6, 9.55, 0.45, "X");
    s.lv.l_lv = 310.2;
    s.lv.D_lv_in = 150;
    s.lv.D_lv_out = 170;
    HvState& hv = s.hv;
    hv.n_k_hv = 1;
    hv.n_layers_hv = 8;
    hv.w_layer_hv = 131;
    hv.r_extra = 0;
    hv.n_par_hv = 2;
    hv.hv_wire = rectWire("Copper", 1.4, 3.0, 4.0, 0.4, "ПБ");
    hv.l_hv = 450;
    hv.D_hv_in = 200;
    hv.D2od = 260;
    hv.n_il = 2;
    hv.delta_il = 0.12;
    return c;
}

Report write(ReportCase& c) {
    Report memo;
    writeWindingReport(c.in, c.design, c.state, memo);
    return memo;
}

// Masses at k 84000: LV (170 + 150)/2/1000·24·2·9.55/1e6·84000 = 6.16 kg,
// HV (260 + 200)/2/1000·1000·2·4/1e6·84000 = 154.56 kg.
TEST(WindingReport, WithoutKuTheLvSectionFollowsTheHeading) {
    ReportCase c = copperDesign();
    const Report memo = write(c);
    EXPECT_EQ(lines(memo), (std::vector<std::string>{
                               " ",
                               "Terms of Reference for the winding:",
                               " ",
                               "Winding the lower voltage (LV):",
                               "HH voltage, kV: 0,4",
                               "Number of loop of winding LV:24",
                               "Number of coils LV: 1",
                               "Number of layers LV: 2",
                               "In 2 layers of the number of loop is: 12",
                               "Parallel wires:2",
                               "Type and size of wire: X 9,550x2x(1,800x5,600)/(2,250x6,050)",
                               "Weight of copper, kg: 6,2",
                               "Axial dimension of the winding LV, mm 310,2",
                               "The inner diameter of the coil LV, mm 150,0",
                               "The outer diameter of the coil LV, mm 170,0",
                               "Insulation between winding layers LV: 2слоев 0,500 mm",
                               " ",
                               "Winding high-voltage (HV):",
                               "Voltage HV, kV: 10,0",
                               "Number of loop of HV winding:1000",
                               "Number of coils HV: 2",
                               "The number of layers HV: 8",
                               "В 8 layers of the number of loop: 131",
                               "Parallel wires:2",
                               "Type and size of the wires: ПБ 4,000x2x(1,400x3,000)/(1,800x3,400)",
                               "Weight of copper, kg: 154,6",
                               "Axial dimension of the HV winding, mm 450,0",
                               "The inner diameter of the coil HV, mm 200,0",
                               "The outer diameter of the coil HV, mm 260,0",
                               "Insulation between the layers of HV winding: electric board 2 слоев 0,1 mm",
                               "The number of loop between terminals HV winding:",
                               "A-1=Wвн+2*Wр",
                               "1000+2*25=1050",
                               "A-2=Wвн+1*Wр",
                               "1000+1*25=1025",
                               "A-3=Wвн+0*Wр",
                               "1000+0*25=1000",
                               "A-4=Wвн+-1*Wр",
                               "1000+-1*25=975",
                               "A-5=Wвн+-2*Wр",
                               "1000+-2*25=950",
                           }));
    EXPECT_EQ(std::vector<int>(c.state.turns.tap_turns.begin(), c.state.turns.tap_turns.begin() + 5),
              (std::vector<int>{1050, 1025, 1000, 975, 950}));
    EXPECT_NEAR(c.state.report.m_lv, 6.160896, 1e-9);
    EXPECT_NEAR(c.state.report.m_hv, 154.56, 1e-9);
}

// The KU block of an aluminium design (k 25410), and the board line only
// for more than one layer. Single layer: (173 + 168)/2/1000·8·1·19.5/1e6·
// 25410 = 0.676 kg. Two layers of two strands: (180 + 168)/2/1000·16·2·
// 9.75/1e6·25410 = 1.379 kg (0.690 kg if the strands were forgotten).
TEST(WindingReport, KuSectionWeighsEveryStrand) {
    struct Case {
        const char* name;
        std::uint16_t layers, turnsPerLayer, strands;
        double s, D_out;
        const char* sText;
        std::vector<std::string> tail;
    };
    const Case cases[] = {
        {"single layer", 1, 8, 1, 19.5, 173, "19,500",
         {"Weight aluminum, kg: 0,7", "Axial dimension of the winding KU, mm 96,0",
          "The inner diameter of the coil KU, mm 168,0", "The outer diameter of the coil KU, mm 173,0", " "}},
        {"two layers of two strands", 2, 8, 2, 9.75, 180, "9,750",
         {"Weight aluminum, kg: 1,4", "Axial dimension of the winding KU, mm 96,0",
          "The inner diameter of the coil KU, mm 168,0", "The outer diameter of the coil KU, mm 180,0",
          "Insulation between coil layers KU: electric board 3 in the layer (s) on 0,500 mm"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        ReportCase c = copperDesign();
        c.in = {true, "Aluminum", 2};
        KuState& ku = c.state.ku;
        ku.w_ku = static_cast<std::uint16_t>(k.layers * k.turnsPerLayer);
        ku.n_k_ku = 0;
        ku.n_layers_ku = k.layers;
        ku.w_layer_ku = k.turnsPerLayer;
        ku.n_par_ku = k.strands;
        ku.ku_wire = rectWire("Aluminum", 2.0, 10.0, k.s, 0.45);
        ku.l_ku = 96;
        ku.D_ku_in = 168;
        ku.D_ku_out = k.D_out;
        const Report memo = write(c);
        const QString layers = QString::number(k.layers);
        std::vector<std::string> expected{
            "Compensating winding device (KU):",
            "Number of loop of winding KU:" + std::to_string(ku.w_ku),
            "Number of coils KU: 1",
            "The number of layers KU: " + layers.toStdString(),
            "In " + layers.toStdString() + " layers of the number of loop is: 8",
            "Parallel wires:" + std::to_string(k.strands),
            "Type and size of wire: АПБ " + std::string(k.sText) + "x" +
                std::to_string(k.strands) + "x(2,000x10,000)/(2,450x10,450)",
        };
        expected.insert(expected.end(), k.tail.begin(), k.tail.end());
        EXPECT_EQ(lines(memo.lines().mid(2, static_cast<qsizetype>(expected.size()))), expected);
    }
}

// Part I = Round(2·tan β/(tan β + 1.7320508)·w_lv): the factor is
// 0.5000000016 at 30°, so 41 turns give 21 (not the even 20); 0 at 0°;
// just above 1 at 60°.
TEST(WindingReport, ZigzagSplitsThePhaseByTheAngle) {
    struct Case {
        const char* degrees;
        std::uint16_t w_lv;
        int partI, partII;
    };
    const Case cases[] = {{"30", 41, 21, 20}, {"30", 40, 20, 20}, {"0", 41, 0, 41}, {"60", 40, 40, 0}};
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.degrees) + " degrees, " + std::to_string(k.w_lv) + " turns");
        ReportCase c = copperDesign();
        c.design.scheme = 2;
        c.state.turns.w_lv = k.w_lv;
        c.state.beta = zigzagAngleFromText(k.degrees);
        const Report memo = write(c);
        const std::string loop = "Number of loop of winding LV:" + std::to_string(k.w_lv);
        EXPECT_EQ(block(memo, QString::fromStdString(loop), 4),
                  (std::vector<std::string>{loop, "Number of winding loop I: " + std::to_string(k.partI),
                                            "Number of winding loop II: " + std::to_string(k.partII),
                                            "Number of coils LV: 1"}));
        EXPECT_EQ(c.state.report.w_z1, k.partI);
        EXPECT_EQ(c.state.report.w_z2, k.partII);
    }
}

TEST(WindingReport, TapTurnsBelowZeroAreARangeError) {
    ReportCase c = copperDesign();
    c.state.turns.w_hv = 40;  // 40 − 2·25 < 0 at the lowest tap
    try {
        write(c);
        FAIL() << "no error";
    } catch (const CommandError& error) {
        EXPECT_EQ(error.text(), "Range check error");
    }
}

TEST(ZigzagAngle, DegreesFromZeroToSixtyBecomeRadians) {
    EXPECT_DOUBLE_EQ(zigzagAngleFromText("30"), std::numbers::pi / 6);
    EXPECT_DOUBLE_EQ(zigzagAngleFromText("60"), std::numbers::pi / 3);
    EXPECT_DOUBLE_EQ(zigzagAngleFromText("22,5"), std::numbers::pi / 8);
    EXPECT_EQ(zigzagAngleFromText("0"), 0.0);
    const std::pair<const char*, const char*> refused[] = {
        {"61", "Angle must be 0..60 degrees"},
        {"60,001", "Angle must be 0..60 degrees"},
        {"-1", "Angle must be 0..60 degrees"},
        {"30.5", "'30.5' is not a valid floating point value"},  // read as typed
    };
    for (const auto& [text, message] : refused) {
        SCOPED_TRACE(text);
        try {
            zigzagAngleFromText(text);
            ADD_FAILURE() << "accepted";
        } catch (const CommandError& error) {
            EXPECT_EQ(error.text(), message);
        }
    }
}

}  // namespace
}  // namespace dravik::test
