#pragma once

#include "catalogues/steel_entry.h"

#include <array>
#include <vector>

namespace dravik {

// A characteristic as the user enters it: points in the order entered,
// not sorted, for one of p, q or qz.
struct RawPoint {
    double B = 0;      // T
    double value = 0;  // W/kg, VA/kg or VA/m2
};
using RawCurve = std::vector<RawPoint>;

// Piecewise-linear value of a raw curve at induction x, continued straight
// beyond both ends; 0.01 T gives the no-data value 0.01.
double interpolateCurve(const RawCurve& curve, double x);

// The 25 stored points of a steel: evenly spaced inductions from one step
// above the lowest entered induction (above `lowerCut`) up to the highest,
// each quantity interpolated on its own raw curve. Refuses curves of fewer
// than two points or with equal inductions at an end segment.
std::array<SteelPoint, kCurvePoints> resampleCurves(const RawCurve& p, const RawCurve& q, const RawCurve& qz,
                                                    double lowerCut);

}  // namespace dravik
