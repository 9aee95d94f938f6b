#include "common/command_error.h"
#include "common/number_text.h"
#include "hv_report/hv_test_support.h"
#include "input_ranges/range_case.h"

#include <gtest/gtest.h>

#include <optional>

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

using test::RangeCase;

// The last line before the channels are read.
const QString kStep11 = QStringLiteral("Thickness of the interlayer insulation HV mm ");

struct Press {
    std::optional<CommandError> failure;
    QStringList memo;
    Stage2Effects effects;
};

class HvRanges : public testing::TestWithParam<RangeCase> {
protected:
    Press press(const std::string& typed) {
        test::HvCase c = test::transformer630kVA();
        c.in.channelCaption = QString::fromStdString(test::kHvChannels) + QLatin1Char(':');
        (GetParam().control == "Ed_ak" ? c.in.ak : c.in.nk) = QString::fromStdString(typed);
        Press p;
        Report memo;
        try {
            calculateHv(c.in, c.design, c.state, c.catalogue, memo, p.effects);
        } catch (const CommandError& error) {
            p.failure = error;
        }
        p.memo = memo.lines();
        return p;
    }
};

TEST_P(HvRanges, InsideTheRangeThePressGoesOn) {
    for (const std::string& typed : GetParam().inside) {
        SCOPED_TRACE(typed);
        const Press p = press(typed);
        EXPECT_FALSE(p.failure.has_value()) << p.failure->text().toStdString();
        EXPECT_FALSE(p.memo.filter(kStep11).isEmpty());
    }
}

TEST_P(HvRanges, OutsideTheRangeItStopsWhereANonNumberWould) {
    const RangeCase& c = GetParam();
    const QStringList linesOfANonNumber = press("x").memo;
    ASSERT_TRUE(linesOfANonNumber.last().startsWith(kStep11));
    for (const std::string& typed : c.outside) {
        SCOPED_TRACE(typed);
        const Press p = press(typed);
        ASSERT_TRUE(p.failure.has_value());
        const std::string asRead = firstPointToComma(QString::fromStdString(typed)).toStdString();
        EXPECT_EQ(p.failure->text().toStdString(), c.caption + " must be " + c.words + ": " + asRead);
        EXPECT_EQ(p.failure->field().toStdString(), c.control);
        EXPECT_EQ(p.memo, linesOfANonNumber);
        if (c.control == "Ed_ak") {
            EXPECT_EQ(p.effects.akText, QString::fromStdString(asRead));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryInput, HvRanges, testing::ValuesIn(test::hvCases()),
                         [](const testing::TestParamInfo<RangeCase>& info) { return info.param.name; });

}  // namespace
}  // namespace dravik
