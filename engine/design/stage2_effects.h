#pragma once

#include <QString>
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
    // Number fields as the step that read them left them: their first "."
    // turned into "," (a point typed out of habit). A press that stops
    // before a field's step leaves that field as typed.
    std::optional<QString> l_01Text;  // Ed_l_01
    std::optional<QString> k_tText;   // Edi_K_t_nepl
    std::optional<QString> akText;    // Ed_ak
    std::optional<QString> a_01Text;  // Ed_a_01
};

}  // namespace dravik
