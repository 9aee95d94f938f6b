#pragma once

#include "common/number_input.h"

#include <QString>
#include <array>
#include <optional>

namespace dravik {

// The rod diameters of the standard cores, m, as the diameter list shows
// them (CB_Dnom items), ascending.
inline constexpr std::array<const char*, 22> kStandardDiameters{
    "0,08", "0,085", "0,09", "0,092", "0,095", "0,10", "0,105", "0,11", "0,115", "0,12", "0,125",
    "0,13", "0,14",  "0,15", "0,16",  "0,17",  "0,18", "0,19",  "0,20", "0,21",  "0,22", "0,225"};

// What "Pick sheets for power" keeps from one use to the next: the number
// of packet steps (the hidden SE_stup) and the diameter bounds, m, of the
// last power that chose them.
struct CoreGeometryMemory {
    int steps = 5;
    double D_min = 0, D_max = 0;
};

struct CoreGeometryInputs {
    NumberInput snom;         // CB_Snom: rated power, kVA
    NumberInput dnom;         // CB_Dnom: rod diameter, m
    bool pressPlate = false;  // CB_Press: the rod is clamped by a press plate
};

// What to write into the windows; an unset member leaves its fields alone.
struct CoreGeometryResult {
    std::optional<std::array<QString, 3>> windowTexts;  // Ed_Lc, Ed_Cok, Ed_C (mm)
    std::optional<int> dnomIndex;                       // item of CB_Dnom to select
    std::optional<int> steps;                           // SE_stup
    std::optional<std::array<QString, 8>> A, a;         // rod packets, whole mm
    std::optional<std::array<QString, 6>> B, b;         // yoke packets 1..6, whole mm
};

// "Pick sheets for power": the standard window dimensions of the power,
// the standard rod diameter within the range the power allows, and the
// packet widths and thicknesses of a stepped section of that diameter.
// Fills `out` step by step, so that what was decided before a conversion
// error or a value outside its range stays in `out`. Writes no design state.
void pickStandardSheets(const CoreGeometryInputs& in, CoreGeometryMemory& memory, CoreGeometryResult& out);

}  // namespace dravik
