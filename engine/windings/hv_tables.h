#pragma once

#include <array>
#include <cstddef>

// Built-in insulation data of the HV winding.
namespace dravik {

// Main insulation distances of the HV winding by rated power and HV line
// voltage. Distances in mm; 0.01 stands for "none". A row applies when the
// power lies in [S_from, S_to] and the voltage equals U_a or U_b exactly.
struct HvInsulationRow {
    double S_from_kVA;
    double S_to_kVA;
    double U_a_kV;
    double U_b_kV;
    double l_02;      // HV winding to the yoke, taken off at both ends of the rod
    double delta_sh;  // kept with the row, used by no calculation
    double a_12;      // radial gap between the LV and the HV winding
    double delta_12;  // insulating cylinder in that gap
    double l_c2;      // kept with the row, used by no calculation
    double a22;       // gap between the HV windings of neighbouring phases
    double delta_22;  // kept with the row, used by no calculation
};

inline constexpr std::array<HvInsulationRow, 5> kHvInsulationTable{{
    {25, 100, 6, 10, 20, 0.01, 9, 2.5, 10, 8, 0.01},
    {160, 630, 6, 10, 30, 0.01, 9, 3, 15, 10, 0.01},
    {160, 630, 35, 0.01, 75, 2, 27, 5, 50, 20, 3},
    {630, 1000, 6, 10, 50, 0.01, 20, 4, 20, 18, 0.01},
    {630, 1000, 0.01, 35, 75, 2, 27, 5, 50, 30, 3},
}};

// The rows overlap at 630 kVA; the later row, meant for the larger
// transformers, is the one that applies. nullptr when no row applies.
constexpr const HvInsulationRow* findHvInsulationRow(double S_rated_kVA, double U_hv_kV) {
    const HvInsulationRow* match = nullptr;
    for (const HvInsulationRow& row : kHvInsulationTable) {
        const bool powerFits = S_rated_kVA >= row.S_from_kVA && S_rated_kVA <= row.S_to_kVA;
        const bool voltageFits = U_hv_kV == row.U_a_kV || U_hv_kV == row.U_b_kV;
        if (powerFits && voltageFits) match = &row;
    }
    return match;
}

// Paper between two layers of the HV winding, by the voltage between the
// turns of neighbouring layers (V). One paper layer is delta_il mm thick.
struct InterlayerRow {
    double U_il_min_V;  // as catalogued; the row takes over from the previous row's maximum
    double U_il_max_V;
    double n_il;        // paper layers
    double delta_il;    // mm, one layer
};

inline constexpr std::array<InterlayerRow, 5> kInterlayerTable{{
    {1, 1000, 2, 0.12},
    {1001, 2000, 3, 0.12},
    {2001, 3000, 4, 0.12},
    {3001, 4000, 5, 0.12},
    {4001, 5000, 7, 0.12},
}};

// The voltage bands follow one another without gaps: a row covers the
// voltages above the previous row's maximum up to its own maximum, the
// first row from 0 V. nullptr above the last row (or below 0 V).
constexpr const InterlayerRow* findInterlayerRow(double U_il_V) {
    if (!(U_il_V >= 0)) return nullptr;
    for (const InterlayerRow& row : kInterlayerTable) {
        if (U_il_V <= row.U_il_max_V) return &row;
    }
    return nullptr;
}

// Paperboard of the LV-HV cylinder, one thickness (mm) per item of CB_delt.
inline constexpr std::array<double, 1> kCylinderBoardThickness_mm{0.5};

}  // namespace dravik
