#include "common/command_error.h"
#include "common/guards.h"
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace dravik {
namespace {

std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const CommandError& error) {
        return error.text().toStdString();
    }
    return "no failure";
}

TEST(Guards, DivisionByZeroStopsTheCommand) {
    EXPECT_DOUBLE_EQ(divide(1.0, 4.0), 0.25);
    EXPECT_EQ(failureOf([] { divide(1.0, 0.0); }), "Floating point division by zero");
    EXPECT_EQ(failureOf([] { divide(0.0, 0.0); }), "Floating point division by zero");
}

TEST(Guards, RoundingIsHalfToEven) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(37.475), 37);
    EXPECT_EQ(truncate(108.9), 108);
    EXPECT_EQ(truncate(-1.5), -1);
}

TEST(Guards, NonFiniteValuesNeverBecomeCounts) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(failureOf([&] { roundHalfEven(inf); }), "Invalid floating point operation");
    EXPECT_EQ(failureOf([&] { truncate(nan); }), "Invalid floating point operation");
    EXPECT_EQ(failureOf([] { roundHalfEven(1e30); }), "Invalid floating point operation");
    EXPECT_EQ(failureOf([&] { finite(nan); }), "Invalid floating point operation");
}

TEST(Guards, AReportShowsOnlyPlausibleNumbers) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(plausible(-1e12), -1e12);
    EXPECT_EQ(reportF3(1e12).toStdString(), "1,0000E+012");
    EXPECT_EQ(reportF1(-2.25).toStdString(), "-2,3");
    for (const double absurd : {std::nextafter(1e12, inf), -1e13, inf, -inf, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(absurd);
        EXPECT_EQ(failureOf([&] { reportF3(absurd); }), "Invalid floating point operation");
        EXPECT_EQ(failureOf([&] { reportF1(absurd); }), "Invalid floating point operation");
    }
}

TEST(Guards, CountsStayInTheirRange) {
    EXPECT_EQ(toCount16(0), 0);
    EXPECT_EQ(toCount16(65535), 65535);
    EXPECT_EQ(failureOf([] { toCount16(-1); }), "Range check error");
    EXPECT_EQ(failureOf([] { toCount16(65536); }), "Range check error");
    EXPECT_EQ(toParallelCount(255), 255);
    EXPECT_EQ(failureOf([] { toParallelCount(0); }), "Range check error");
    EXPECT_EQ(failureOf([] { roundCount(-0.6); }), "Range check error");
    EXPECT_EQ(roundCount(-0.4), 0);
}

}  // namespace
}  // namespace dravik
