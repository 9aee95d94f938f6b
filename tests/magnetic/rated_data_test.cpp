#include "common/number_text.h"
#include "magnetic/rated_data.h"
#include "magnetic/recommended_induction.h"
#include "magnetic/scheme.h"

#include <gtest/gtest.h>

namespace dravik {
namespace {

struct RatedCase {
    double S_kVA;
    double U_kV;
    int row;  // 1-based as the table counts; 0: no row
};

// The rows worked out by hand from the bands 0.7..1.3 of each power and
// the nearer-to-the-next-power rule.
TEST(RatedDataMatch, TypedPowersFindTheNearestStandardTransformer) {
    const RatedCase cases[] = {
        // 10 kV: all taken inside a row's band.
        {17, 10, 0},   // below 0.7 x 25
        {18, 10, 2},
        {100, 10, 10},  // the first 100 kVA row at 10 kV, never its repeat
        {120, 10, 10},
        {130, 10, 10},  // 1.3 x 100 belongs to the band
        {131, 10, 15},
        {208, 10, 15},
        {209, 10, 19},
        {819, 10, 27},
        {820, 10, 0},  // above 1.3 x 630
        // 6 kV: between 63 and 100 kVA the nearer power decides.
        {81, 6, 5},
        {82, 6, 9},
        {90, 6, 9},
        {100, 6, 9},
        {131, 6, 14},
    };
    for (const RatedCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.S_kVA << " kVA at " << c.U_kV << " kV");
        const std::optional<int> row = matchRatedRow(c.S_kVA, c.U_kV);
        if (c.row == 0) {
            EXPECT_FALSE(row.has_value());
        } else {
            ASSERT_TRUE(row.has_value());
            EXPECT_EQ(*row + 1, c.row);
        }
    }
}

TEST(RatedDataMatch, VoltageMustMatchExactly) {
    EXPECT_FALSE(matchRatedRow(100, 10.5).has_value());
    EXPECT_FALSE(matchRatedRow(100, 0.4).has_value());
}

TEST(RecommendedInduction, MiddleOfTheRangeOfThePower) {
    // 3404 (third grade): 1.55..1.6 T up to 100 kVA, 1.6..1.65 T from 160 kVA.
    const InductionRanges grade3404 = *inductionRangesFor(2, 'c');
    EXPECT_EQ(formatF3(*recommendedInduction(grade3404, 100)), QStringLiteral("1,575"));
    EXPECT_EQ(formatF3(*recommendedInduction(grade3404, 250)), QStringLiteral("1,625"));
    EXPECT_EQ(formatF3(*recommendedInduction(grade3404, 25)), QStringLiteral("1,575"));
    // Between the ranges the rod keeps the induction it had.
    EXPECT_FALSE(recommendedInduction(grade3404, 130).has_value());
    EXPECT_FALSE(recommendedInduction(grade3404, 24).has_value());
}

TEST(RecommendedInduction, StoredSteelsBorrowTheRowOfTheirRolling) {
    // Position 5 on: cold-rolled as 3404, hot-rolled as 1512 (1.5..1.55 T).
    EXPECT_EQ(formatF3(*recommendedInduction(*inductionRangesFor(4, 'c'), 100)), QStringLiteral("1,575"));
    EXPECT_EQ(formatF3(*recommendedInduction(*inductionRangesFor(7, 'h'), 100)), QStringLiteral("1,525"));
    EXPECT_EQ(formatF3(*recommendedInduction(*inductionRangesFor(7, 'h'), 400)), QStringLiteral("1,575"));
    EXPECT_FALSE(inductionRangesFor(4, 0).has_value());
    // 3405 keeps its own row, whatever its letter.
    EXPECT_EQ(formatF3(*recommendedInduction(*inductionRangesFor(3, 'c'), 100)), QStringLiteral("1,525"));
}

TEST(Scheme, OnlyTheThreeListTextsExactly) {
    const struct {
        const char* text;
        std::optional<int> scheme;
    } cases[] = {
        {"Y/Yn-0", 1}, {"Y/Zn-11", 2}, {"D/Yn-0", 3},
        {"y/yn-0", std::nullopt}, {"Y/Zn-11 ", std::nullopt}, {"", std::nullopt}, {"D/Yn", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(schemeFromText(QString::fromLatin1(c.text)), c.scheme);
    }
}

}  // namespace
}  // namespace dravik
