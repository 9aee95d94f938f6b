#pragma once

#include "catalogues/steel_entry.h"

#include <optional>

namespace dravik {

// What a steel gives at one induction.
struct SteelAtInduction {
    double p = 0;   // W/kg, specific losses
    double q = 0;   // VA/kg, specific magnetising power
    double qz = 0;  // VA/m2, magnetising power of a butt joint
};

// Linear interpolation on the steel's points 1..25 (ascending induction):
// the first interval B_j <= B < B_j+1 with data at both ends (p above the
// no-data value 0.01) gives v = (v_j+1 - v_j) * (B - B_j) / (B_j+1 - B_j) + v_j
// for each of p, q and qz. nullopt when no interval holds B.
std::optional<SteelAtInduction> steelAtInduction(const SteelEntry& steel, double B_T);

// The highest induction the search may try: point 25's, filled or not.
double lastCurveInduction(const SteelEntry& steel);

}  // namespace dravik
