#pragma once

#include <cstdint>

// One guard policy for the whole engine. Doubles do not trap: a division by
// zero gives an infinity, and rounding an infinity into a count is undefined.
// Every division, rounding and count that can meet such a value goes through
// these functions, which stop the command with the runtime text instead.
namespace dravik {

// numerator / denominator; a zero denominator stops with
// "Floating point division by zero".
double divide(double numerator, double denominator);

// Fails with "Invalid floating point operation" when the value is infinite
// or not a number (a result that must never reach a line or the state).
double finite(double value);

// No quantity of a distribution transformer comes near this magnitude; a
// value beyond it is the mark of a calculation that ran away.
inline constexpr double kLargestPlausibleValue = 1e12;

// Fails with "Invalid floating point operation" when the value is not
// finite or exceeds 1e12 in magnitude: what a report line may show.
double plausible(double value);

// Round half to even / drop the fraction, as 64-bit integers. An infinite,
// NaN or out-of-range argument stops with "Invalid floating point operation".
std::int64_t roundHalfEven(double value);
std::int64_t truncate(double value);

// Turn, layer and parallel counts are unsigned 16-bit; the LV parallel
// count is 1..255. Outside: "Range check error".
std::uint16_t toCount16(std::int64_t value);
int toParallelCount(std::int64_t value);

// Round / Trunc straight into a 16-bit count.
std::uint16_t roundCount(double value);
std::uint16_t truncCount(double value);

}  // namespace dravik
