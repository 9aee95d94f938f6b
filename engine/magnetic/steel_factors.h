#pragma once

#include <array>

namespace dravik {

// Allowances of the core over the steel's own figures, by steel kind:
// k_p0 on the losses (cutting, burrs, stress), k_q on the magnetising power.
struct SteelKindFactors {
    double k_p0;
    double k_q;
};

// Indexed by steel_kind - 1: 1 cold-rolled, 2 hot-rolled.
inline constexpr std::array<SteelKindFactors, 2> kSteelKindFactors{{
    {1.25, 1.0},
    {1.1, 1.25},
}};

// The factors of a steel kind; "Range check error" for a kind other than 1, 2.
SteelKindFactors steelKindFactors(int steel_kind);

}  // namespace dravik
