#include "common/guards.h"

#include "common/command_error.h"
#include "common/runtime_texts.h"

#include <cmath>

namespace dravik {
namespace {

// Beyond this magnitude a double no longer fits a 64-bit integer safely.
constexpr double kLargestRoundable = 9.0e18;

void requireRoundable(double value) {
    if (!std::isfinite(value) || std::fabs(value) > kLargestRoundable) {
        throw CommandError(texts::kInvalidFloatOperation);
    }
}

}  // namespace

double divide(double numerator, double denominator) {
    if (denominator == 0.0) throw CommandError(texts::kDivisionByZero);
    return finite(numerator / denominator);
}

double finite(double value) {
    if (!std::isfinite(value)) throw CommandError(texts::kInvalidFloatOperation);
    return value;
}

double plausible(double value) {
    if (!(std::fabs(value) <= kLargestPlausibleValue)) throw CommandError(texts::kInvalidFloatOperation);
    return value;
}

std::int64_t roundHalfEven(double value) {
    requireRoundable(value);
    return static_cast<std::int64_t>(std::nearbyint(value));  // default mode: to nearest, ties to even
}

std::int64_t truncate(double value) {
    requireRoundable(value);
    return static_cast<std::int64_t>(std::trunc(value));
}

std::uint16_t toCount16(std::int64_t value) {
    if (value < 0 || value > 65535) throw CommandError(texts::kRangeCheck);
    return static_cast<std::uint16_t>(value);
}

int toParallelCount(std::int64_t value) {
    if (value < 1 || value > 255) throw CommandError(texts::kRangeCheck);
    return static_cast<int>(value);
}

std::uint16_t roundCount(double value) { return toCount16(roundHalfEven(value)); }
std::uint16_t truncCount(double value) { return toCount16(truncate(value)); }

}  // namespace dravik
