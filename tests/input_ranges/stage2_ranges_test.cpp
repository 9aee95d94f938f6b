#include "input_ranges/winding_press.h"
#include "ku_lv/ku_lv_support.h"
#include "windings/ku_winding.h"
#include "windings/lv_calculation.h"

#include <gtest/gtest.h>


// The Stage II inputs of the KU and LV windings at the edges of their
// ranges, read where each calculation step reads them.
namespace dravik {
namespace test {

namespace {

const std::string kLvLayers = "Numb. layers of winding LV, nlv";
const std::string kLvChannels = "Width х num chan LV, mm";
const std::string kKuLayers = "Numb. layers of winding KU, nku";
const std::string kKuChannels = "Width х num chan KU, mm";

std::vector<RangeCase> sharedCases(const std::string& winding, const std::string& layers,
                                   const std::string& channels) {
    return {
        {winding + "Layers", "Ed_n_sl", layers, "at least 1 and at most 100", {"1", "100"}, {"101", "65536"}},
        {winding + "YokeDistance", "Ed_l_01", "l01, mm", "0 to 500", {"0", "500"}, {"-1", "500.5", "1e308"}},
        {winding + "LayingCoefficient", "Edi_K_t_nepl", "Coef laying wire leak (1,015..1,03)",
         "above 0 and at most 2", {"0,001", "2"}, {"2,001", "1e308"}},
        {winding + "ChannelWidth", "Ed_ak", channels, "0 to 200", {"0", "200"}, {"-0.5", "200,1"}},
        {winding + "Channels", "Ed_nk", channels, "0 to 20", {"0", "20"}, {"-1", "21"}},
        {winding + "RodInsulation", "Ed_a_01", "а01, mm", "0 to 200", {"0", "200"}, {"-1", "201"}},
    };
}

}  // namespace

std::vector<RangeCase> lvCases() { return sharedCases("Lv", kLvLayers, kLvChannels); }

std::vector<RangeCase> kuCases() {
    std::vector<RangeCase> cases = sharedCases("Ku", kKuLayers, kKuChannels);
    cases.push_back({"KuUnbalanceCurrent", "Ed_In", "In, r. u. (Irat=1)", "above 0 and at most 10", {"0,001", "10"},
                     {"0", "-0.5", "10,5", "1e308"}});
    return cases;
}

}  // namespace test

namespace {

// The text field of a winding's inputs behind `control`.
template <typename Inputs>
NumberInput& fieldOf(Inputs& in, const std::string& control) {
    if (control == "Ed_n_sl") return in.n_sl;
    if (control == "Ed_l_01") return in.l_01;
    if (control == "Edi_K_t_nepl") return in.k_t;
    if (control == "Ed_ak") return in.ak;
    if (control == "Ed_nk") return in.nk;
    if (control == "Ed_a_01") return in.a_01;
    if constexpr (requires { in.In; }) {
        if (control == "Ed_In") return in.In;
    }
    throw std::logic_error("no such field " + control);
}

// The LV of the 100 kVA design with the user's strip, so that the press
// reaches every field.
class LvRanges : public test::WindingRanges {
protected:
    test::Press pressWith(const std::string& typed) override {
        DesignState design = test::design100kVA(kSchemeYYn0);
        Stage2State state;
        state.lv_wire_picked = true;
        state.chosen_wire = test::rectWire("APB 7,1x12", 7.1, 12, 84);
        LvInputs in = test::lvInputs();
        in.layerCaption = QString::fromStdString(test::kLvLayers) + QLatin1Char(':');
        in.channelCaption = QString::fromStdString(test::kLvChannels) + QLatin1Char(':');
        fieldOf(in, GetParam().control) = QString::fromStdString(typed);
        return test::press([&](Report& memo, Stage2Effects& effects) {
            calculateLv(in, design, state, {}, memo, effects);
        });
    }
};

TEST_P(LvRanges, InsideTheRangeThePressGoesOn) { expectInsideGoesOn(); }
TEST_P(LvRanges, OutsideTheRangeItStopsWhereANonNumberWould) { expectOutsideRefused(); }
INSTANTIATE_TEST_SUITE_P(EveryInput, LvRanges, testing::ValuesIn(test::lvCases()), test::caseName);

// The KU of the same design, its current typed in rated LV currents, with a
// catalogue whose strip it finds.
class KuRanges : public test::WindingRanges {
protected:
    test::Press pressWith(const std::string& typed) override {
        DesignState design = test::design100kVA(kSchemeYYn0);
        Stage2State state;
        KuInputs in = test::kuInputs();
        in.unbalanceItem = 3;
        in.In = QStringLiteral("0,623");  // the current of item 0, which the strip below carries
        in.layerCaption = QString::fromStdString(test::kKuLayers) + QLatin1Char(':');
        in.channelCaption = QString::fromStdString(test::kKuChannels) + QLatin1Char(':');
        fieldOf(in, GetParam().control) = QString::fromStdString(typed);
        const std::vector<WireRecord> catalogue{test::rectWire("APB 2,24x17", 2.24, 17, 37.6)};
        return test::press([&](Report& memo, Stage2Effects& effects) {
            calculateKu(in, design, state, catalogue, memo, effects);
        });
    }
};

TEST_P(KuRanges, InsideTheRangeThePressGoesOn) { expectInsideGoesOn(); }
TEST_P(KuRanges, OutsideTheRangeItStopsWhereANonNumberWould) { expectOutsideRefused(); }
INSTANTIATE_TEST_SUITE_P(EveryInput, KuRanges, testing::ValuesIn(test::kuCases()), test::caseName);

}  // namespace
}  // namespace dravik
