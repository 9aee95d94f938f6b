#include "common/similarity.h"

#include <gtest/gtest.h>

namespace dravik {
namespace {

TEST(NameSimilarity, CountsLettersCoveredByFoundPairs) {
    EXPECT_DOUBLE_EQ(nameSimilarity(QStringLiteral("ABCD"), QStringLiteral("ABCD")), 100.0);
    EXPECT_DOUBLE_EQ(nameSimilarity(QStringLiteral("ABCD"), QStringLiteral("ABXD")), 50.0);   // only "AB" occurs
    EXPECT_DOUBLE_EQ(nameSimilarity(QStringLiteral("А П Б"), QStringLiteral("АПБ")), 100.0);  // blanks ignored
    EXPECT_NEAR(nameSimilarity(QStringLiteral("АПБ"), QStringLiteral("ПБ")), 66.667, 1e-3);
    EXPECT_DOUBLE_EQ(nameSimilarity(QStringLiteral("Aluminum"), QStringLiteral("Copper")), 0.0);
}

TEST(NameSimilarity, ARunScoresItsLettersAndABreakStartsAgain) {
    // Pairs AB, BC found (a run of 2 -> 3 letters), CX not, XD not: 3 / 4.
    EXPECT_DOUBLE_EQ(nameSimilarity(QStringLiteral("ABCX"), QStringLiteral("ABCD")), 75.0);
    // AB found (2), BX not, XC not, CD found after a break (2): 4 / 5.
    EXPECT_DOUBLE_EQ(nameSimilarity(QStringLiteral("ABXCD"), QStringLiteral("ABQCD")), 80.0);
}

TEST(NameSimilarity, ShortAndEmptyTextsScoreZero) {
    EXPECT_DOUBLE_EQ(nameSimilarity(QStringLiteral(" "), QStringLiteral(" ")), 0.0);
    EXPECT_DOUBLE_EQ(nameSimilarity(QString(), QString()), 0.0);
    EXPECT_DOUBLE_EQ(nameSimilarity(QStringLiteral("A"), QStringLiteral("A")), 0.0);
}

}  // namespace
}  // namespace dravik
