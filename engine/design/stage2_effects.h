#pragma once

#include <optional>

namespace dravik {

// What a Stage II calculation asks of its windows besides report lines.
// Unset entries leave the control as it is. Effects decided before a
// failure stay decided, so calculations take this by reference.
struct Stage2Effects {
    // SG_Sech, Ed_search, Serch_provod, CB_c_r, But_Seh, Delet_provod, Redakt_provod.
    std::optional<bool> catalogueControlsEnabled;
    std::optional<bool> parallelSpinEnabled;   // SE_a
    std::optional<bool> calculateHvEnabled;    // Rasch_Obmotok
    std::optional<bool> calculateKuEnabled;    // Raschet_KU
    bool shapeToRect = false;                  // CB_c_r back to "rect"
    bool hideKuWindow = false;
};

}  // namespace dravik
