#include "common/command_error.h"
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace dravik {
namespace {

struct FormatCase {
    double value;
    const char* f3;
    const char* f1;
};

// Expected texts worked out by hand from the exact binary values.
TEST(ReportNumbers, RoundOnceToFiveDigitsOrTheDecimals) {
    const FormatCase cases[] = {
        {12.3456, "12,346", "12,3"},
        {1.25, "1,250", "1,3"},           // 1.25 is exact: a true half goes up
        {123.456, "123,460", "123,5"},
        {0.0123456, "0,012", "0,0"},
        {0.0625, "0,063", "0,1"},         // true half at the third decimal
        {1.0625, "1,063", "1,1"},         // printf("%.3f") would give 1,062
        {5773.5027, "5773,500", "5773,5"},
        {12345.678, "12346,000", "12346,0"},  // five significant digits win
        {99999.4, "99999,000", "99999,0"},
        {0.0, "0,000", "0,0"},
        {0.12, "0,120", "0,1"},
        {1.0005, "1,000", "1,0"},         // 1.0005 is stored just below the half
        {-2.5, "-2,500", "-2,5"},
        {-1.0625, "-1,063", "-1,1"},      // away from zero on the negative side
        {-0.0003, "0,000", "0,0"},        // no sign when the rounded value is zero
        {-0.04, "-0,040", "0,0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(formatF3(c.value).toStdString(), c.f3);
        EXPECT_EQ(formatF1(c.value).toStdString(), c.f1);
    }
}

TEST(ReportNumbers, MoreThanFiveIntegerDigitsTakeTheExponentForm) {
    EXPECT_EQ(formatF3(123456.0).toStdString(), "1,2346E+005");
    EXPECT_EQ(formatF3(99999.5).toStdString(), "1,0000E+005");  // rounds up to six digits
    EXPECT_EQ(formatF1(-2.5e7).toStdString(), "-2,5000E+007");
    EXPECT_EQ(formatF3(1.0e100).toStdString(), "1,0000E+100");
}

TEST(ReportNumbers, ExponentFormReadsBack) {
    EXPECT_DOUBLE_EQ(parseFloat(formatF3(123456.0)), 123460.0);
    EXPECT_DOUBLE_EQ(parseFloat(formatF3(-2.5e7)), -2.5e7);
}

TEST(ReportNumbers, WholeMillimetresRoundHalfAwayFromZero) {
    EXPECT_EQ(formatWholeRoundedAway(85.5L).toStdString(), "86");
    EXPECT_EQ(formatWholeRoundedAway(85.49L).toStdString(), "85");
    EXPECT_EQ(formatWholeRoundedAway(-0.4L).toStdString(), "0");
}

TEST(NumberFields, AcceptTheDecimalComma) {
    const std::pair<const char*, double> cases[] = {
        {"0,35", 0.35}, {"10", 10.0}, {" 2,5 ", 2.5}, {"-1,5", -1.5}, {"+3", 3.0},
        {",5", 0.5}, {"5,", 5.0}, {"1,5E+3", 1500.0}, {"1,2346E+005", 123460.0}, {"2e-2", 0.02},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(parseFloat(QString::fromUtf8(text)), value);
    }
}

TEST(NumberFields, RefuseWhatIsNotANumberWithTheFieldText) {
    const char* bad[] = {"", " ", "1.5", "1,2.3", "1,2,3", "nan", "inf", "1 000", "abc", "1e", "e5", "-", ",", "1e999"};
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        try {
            parseFloat(QString::fromUtf8(text));
            ADD_FAILURE() << "accepted";
        } catch (const CommandError& error) {
            EXPECT_EQ(error.text(), QStringLiteral("'%1' is not a valid floating point value").arg(QString::fromUtf8(text)));
        }
    }
}

TEST(NumberFields, IntegersRefuseFractionsAndOverflow) {
    EXPECT_EQ(parseInt(QStringLiteral("2")), 2);
    EXPECT_EQ(parseInt(QStringLiteral(" -7 ")), -7);
    const char* bad[] = {"2,5", "", "1e3", "99999999999", "x"};
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        try {
            parseInt(QString::fromUtf8(text));
            ADD_FAILURE() << "accepted";
        } catch (const CommandError& error) {
            EXPECT_EQ(error.text(), QStringLiteral("'%1' is not a valid integer value").arg(QString::fromUtf8(text)));
        }
    }
}

TEST(NumberFields, OnlyTheFirstPointBecomesAComma) {
    EXPECT_EQ(firstPointToComma(QStringLiteral("10.5")), QStringLiteral("10,5"));
    EXPECT_EQ(firstPointToComma(QStringLiteral("1.2.3")), QStringLiteral("1,2.3"));
    EXPECT_EQ(firstPointToComma(QStringLiteral("7")), QStringLiteral("7"));
}

}  // namespace
}  // namespace dravik
