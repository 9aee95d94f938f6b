#pragma once

#include <array>
#include <optional>

namespace dravik {

// One row of the rated data of distribution transformers: what a
// transformer of power S at HV voltage U must achieve. kNoRatedValue marks
// a value the data does not give (the zigzag LV above 10 kV at 400 and
// 630 kVA).
struct RatedRow {
    double S_kVA;
    double U_kV;
    double P0_W;         // no-load losses
    double Pk_star_W;    // short-circuit losses, schemes Y/Yn-0 and D/Yn-0
    double Pk_zigzag_W;  // short-circuit losses, scheme Y/Zn-11
    double uk_star_pct;  // short-circuit voltage, schemes Y/Yn-0 and D/Yn-0
    double uk_zigzag_pct;
    double i0_pct;       // no-load current
};

inline constexpr double kNoRatedValue = 0.01;

// 29 rows, ascending in power, then in voltage. Row 11 repeats row 10; the
// match never reaches it, row 10 being taken first.
inline constexpr std::array<RatedRow, 29> kRatedData{{
    {25, 6, 130, 600, 690, 4.5, 4.7, 3.2},
    {25, 10, 130, 600, 690, 4.5, 4.7, 3.2},
    {40, 6, 175, 680, 1000, 4.5, 4.7, 3},
    {40, 10, 175, 680, 1000, 4.5, 4.7, 3},
    {63, 6, 240, 1280, 1470, 4.5, 4.7, 2.8},
    {63, 10, 240, 1280, 1470, 4.5, 4.7, 2.8},
    {63, 20, 270, 1280, 1470, 5, 5.3, 2.8},
    {63, 35, 270, 1280, 1470, 5, 5.3, 2.8},
    {100, 6, 330, 1970, 2270, 4.5, 4.7, 2.6},
    {100, 10, 330, 1970, 2270, 4.5, 4.7, 2.6},
    {100, 10, 330, 1970, 2270, 4.5, 4.7, 2.6},
    {100, 20, 420, 1970, 2270, 6.5, 6.8, 2.6},
    {100, 35, 420, 1970, 2270, 6.5, 6.8, 2.6},
    {160, 6, 510, 2650, 3100, 4.5, 4.7, 2.4},
    {160, 10, 510, 2650, 3100, 4.5, 4.7, 2.4},
    {160, 20, 620, 2650, 3100, 4.5, 4.7, 2.4},
    {160, 35, 620, 2650, 3100, 4.5, 4.7, 2.4},
    {250, 6, 740, 3700, 4200, 4.5, 4.7, 2.3},
    {250, 10, 740, 3700, 4200, 4.5, 4.7, 2.3},
    {250, 20, 900, 3700, 4200, 6.5, 6.8, 2.3},
    {250, 35, 900, 3700, 4200, 6.5, 6.8, 2.3},
    {400, 6, 950, 5500, 5900, 4.5, 4.7, 2.1},
    {400, 10, 950, 5500, 5900, 4.5, 4.7, 2.1},
    {400, 20, 1200, 5500, kNoRatedValue, 6.5, kNoRatedValue, 2.1},
    {400, 35, 1200, 5500, kNoRatedValue, 6.5, kNoRatedValue, 2.1},
    {630, 6, 1310, 7600, 8500, 5.5, 5.5, 2},
    {630, 10, 1310, 7600, 8500, 5.5, 5.5, 2},
    {630, 20, 1600, 7600, kNoRatedValue, 6.5, kNoRatedValue, 2},
    {630, 35, 1600, 7600, kNoRatedValue, 6.5, kNoRatedValue, 2},
}};

// The row (0-based) for a nominal power S (kVA) and an HV voltage U_hv
// (kV). Row after row, a row whose voltage is U_hv exactly is taken when S
// lies within 0.7..1.3 of its power; in the same pass the next row
// replaces it when S lies nearer to the next power than to this one, not
// above it, and the next row's voltage is U_hv. The first pass that takes
// a row ends the match; none in the whole table gives nullopt.
std::optional<int> matchRatedRow(double S_kVA, double U_hv_kV);

}  // namespace dravik
