#pragma once

#include <array>
#include <cstddef>

namespace dravik {

// The windings in the order of the Stage II selector's items.
enum class Winding { Lv = 0, Hv = 1, Ku = 2 };

// What the Stage II inputs are called, and what the window loads into them,
// for the winding the selector shows (in the order of its items: LV, HV,
// KU). The calculations of a design made without the window read the same
// defaults. The letter between the channel width and the channel count is
// the Cyrillic х.
struct WindingFields {
    const char* parallelCaption;  // Lab_par_vetv
    const char* channelCaption;   // Lab_kan
    const char* wireCaption;      // L_Tip_Pr before a wire is picked
    const char* layerCaption;     // Lab_sloev
    const char* sectionUnit;      // after the picked wire's section
    const char* channelWidth;     // Ed_ak
    const char* channels;         // Ed_nk
    const char* layers;           // Ed_n_sl
};
inline constexpr std::array<WindingFields, 3> kWindingFields{{
    {"Num of parallel bran LV:", "Width х num chan LV, mm:", "Type of wire LV:", "Numb. layers of winding LV, nlv:",
     " мм2", "4", "1", "2"},
    {"Num of parallel bran HV:", "Width х num chan HV, mm:", "Type of wire HV:", "Numb. layers of winding HV, nlv:",
     " mm2", "4", "1", "0"},
    {"Num of parallel bran KU:", "Width х num chan KU, mm:", "Type of wire KU:", "Numb. layers of winding KU, nku:",
     " mm2", "4", "0", "1"},
}};

inline const WindingFields& windingFields(Winding winding) { return kWindingFields[static_cast<std::size_t>(winding)]; }

}  // namespace dravik
