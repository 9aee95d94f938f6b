#include "common/command_error.h"
#include "common/input_range.h"
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace dravik {
namespace {

constexpr InputRange kAboveZeroTo5000{0, false, 5000, "above 0 and at most 5000"};
constexpr InputRange kZeroTo2000{0, true, 2000, "0 to 2000"};

TEST(InputRange, EndsAreOpenOrClosedAsWorded) {
    EXPECT_FALSE(kAboveZeroTo5000.contains(0));
    EXPECT_TRUE(kAboveZeroTo5000.contains(1e-9));
    EXPECT_TRUE(kAboveZeroTo5000.contains(5000));
    EXPECT_FALSE(kAboveZeroTo5000.contains(5000.000001));
    EXPECT_TRUE(kZeroTo2000.contains(0));
    EXPECT_FALSE(kZeroTo2000.contains(-1e-300));
    EXPECT_FALSE(kZeroTo2000.contains(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(kZeroTo2000.contains(std::numeric_limits<double>::infinity()));
}

TEST(InputRange, RefusalNamesCaptionRangeAndTextAndField) {
    const FieldName field{QStringLiteral("Ed_Lc"), QStringLiteral("lс, mm")};
    try {
        requireInRange(6000, kAboveZeroTo5000, field, QStringLiteral("6000"));
        FAIL() << "6000 mm was accepted";
    } catch (const CommandError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("lс, mm must be above 0 and at most 5000: 6000"));
        EXPECT_EQ(error.field(), QStringLiteral("Ed_Lc"));
    }
    EXPECT_NO_THROW(requireInRange(270, kAboveZeroTo5000, field, QStringLiteral("270")));
}

TEST(InputRange, AConversionErrorIsTiedToItsField) {
    try {
        readField(QStringLiteral("Ed_C"), [] { return parseFloat(QStringLiteral("abc")); });
        FAIL() << "'abc' was read as a number";
    } catch (const CommandError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("'abc' is not a valid floating point value"));
        EXPECT_EQ(error.field(), QStringLiteral("Ed_C"));
    }
    // A failure that already names its field keeps it.
    try {
        readField(QStringLiteral("Ed_C"), [] {
            throw CommandError(QStringLiteral("x"), QStringLiteral("Ed_Lc"));
            return 0.0;
        });
    } catch (const CommandError& error) {
        EXPECT_EQ(error.field(), QStringLiteral("Ed_Lc"));
    }
}

}  // namespace
}  // namespace dravik
