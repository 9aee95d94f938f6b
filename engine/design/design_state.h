#pragma once

#include <array>
#include <cstdint>

namespace dravik {

// Connection schemes as the design state numbers them.
inline constexpr std::int32_t kSchemeYYn0 = 1;
inline constexpr std::int32_t kSchemeYZn11 = 2;
inline constexpr std::int32_t kSchemeDYn0 = 3;

// EMF of one turn E = 4.44·f·B·A; with f = 50 Hz the factor 4.44·50 = 222
// gives volts per turn from B in T and the rod section A in m².
inline constexpr double kEmfPerTurnFactor = 222.0;

// √3, the line over the phase voltage of a star winding, as the program
// has always stored it.
inline constexpr double kSqrt3Stored = 1.7320508075689;

// What Stage I leaves for Stage II: one record per run, zero at start and
// never cleared, overwritten field by field by each calculation. Lengths in
// metres, voltages in kV, currents in A, powers in kVA, W or VA, inductions
// in T. Field order follows the design record the program has always had.
struct DesignState {
    double C = 0;        // m, distance between the axes of adjacent rods
    double Lc_razm = 0;  // m, rod length (window height)
    double Cok = 0;      // m, the Ed_Cok field, kept only
    std::array<double, 8> A{};  // m, widths of the rod packets
    std::array<double, 8> a{};  // m, thicknesses of the rod packets
    std::array<double, 8> B{};  // m, widths of the yoke packets
    std::array<double, 8> b{};  // m, thicknesses of the yoke packets
    double dz = 0;               // m, sheet thickness, kept only
    std::int32_t steel_kind = 0;  // 1 cold-rolled, 2 hot-rolled
    std::int32_t steel_no = 0;    // 1-based position in the steel list
    double U_hv = 0;     // kV, HV line voltage
    double U_lv = 0;     // kV, LV line voltage
    double U_lv_ph = 0;  // kV, LV phase voltage
    std::int32_t scheme = 0;           // kSchemeYYn0, kSchemeYZn11, kSchemeDYn0
    std::int32_t insulation_kind = 0;  // 1, 2: item of CB_Iz_st
    double dB = 0;                     // T, induction step of the search
    double rod_area_gross = 0;         // m2
    double k_fill = 0;                 // fill factor, then 5.0
    double rod_area = 0;               // m2, steel section of the rod
    double yoke_area_gross = 0;        // m2
    double yoke_area = 0;              // m2
    double D_rod = 0;                  // m, rod circle diameter
    double S_calc = 0;                 // kVA, estimate, then the typed power
    bool found = false;                // scratch flag of loops
    double S_rated = 0;                // kVA
    double U_rated = 0;                // kV
    double P0_norm = 0;                // W
    double Pk_norm = 0;                // W
    double uk_norm = 0;                // %
    double I_hv = 0;                   // A
    double I_lv = 0;                   // A
    double B_rod = 0;                  // T
    double B_yoke = 0;                 // T
    double G_rod = 0;                  // kg
    double L_yoke = 0;                 // m
    double G_yoke = 0;                 // kg
    bool i0_ok = false;
    bool p0_ok = false;
    double p_rod = 0, q_rod = 0, qz_rod = 0;     // W/kg, VA/kg, VA/m2
    double p_yoke = 0, q_yoke = 0, qz_yoke = 0;  // W/kg, VA/kg, VA/m2
    double k_p0 = 0, k_q = 0;
    double P0 = 0, I0a = 0, Qz = 0, Q0 = 0, I0r = 0, I0 = 0, i0 = 0;  // W, A, VA, VA, A, A, %
    double i0_norm = 0;        // %
    double tap_step = 0;       // %
    std::int32_t tap_count = 0;  // tap steps each way
};

}  // namespace dravik
