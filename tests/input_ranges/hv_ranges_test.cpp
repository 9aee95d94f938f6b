#include "hv_report/hv_test_support.h"
#include "input_ranges/winding_press.h"

#include <gtest/gtest.h>

// The HV reads only the cooling channels, at its step 12, after the layers
// and the paper between them: a value outside the range stops the press
// there, with the lines written before it, as a text that is no number does.
namespace dravik {
namespace test {

namespace {
const std::string kHvChannels = "Width х num chan HV, mm";
}  // namespace

std::vector<RangeCase> hvCases() {
    return {
        {"HvChannelWidth", "Ed_ak", kHvChannels, "0 to 200", {"0", "200"}, {"-1", "200.5"}},
        {"HvChannels", "Ed_nk", kHvChannels, "0 to 20", {"0", "20"}, {"-1", "21"}},
    };
}

}  // namespace test

namespace {

// The last line before the channels are read.
const QString kStep11 = QStringLiteral("Thickness of the interlayer insulation HV mm ");

// The 630 kVA HV, whose press reaches its channels.
class HvRanges : public test::WindingRanges {
protected:
    test::Press pressWith(const std::string& typed) override {
        test::HvCase c = test::transformer630kVA();
        c.in.channelCaption = QString::fromStdString(test::kHvChannels) + QLatin1Char(':');
        (GetParam().control == "Ed_ak" ? c.in.ak : c.in.nk) = QString::fromStdString(typed);
        return test::press([&](Report& memo, Stage2Effects& effects) {
            calculateHv(c.in, c.design, c.state, c.catalogue, memo, effects);
        });
    }
};

TEST_P(HvRanges, InsideTheRangeThePressGoesOn) { expectInsideGoesOn(); }

TEST_P(HvRanges, OutsideTheRangeItStopsWhereANonNumberWould) {
    ASSERT_TRUE(pressWith("x").memo.last().startsWith(kStep11));
    expectOutsideRefused();
}

INSTANTIATE_TEST_SUITE_P(EveryInput, HvRanges, testing::ValuesIn(test::hvCases()), test::caseName);

}  // namespace
}  // namespace dravik
