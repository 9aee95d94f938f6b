#pragma once

#include "common/number_input.h"
#include "design/stage2_effects.h"

#include <QString>
#include <cstdint>

// The Stage II number fields as the winding calculations read them: each
// converted (a value is taken as it is), checked against what a winding can
// have, and refused in a way that names the field. Where a field's first
// "." becomes ",", `effects` takes the text for the window to show.
namespace dravik {

// The winding's layer count (Ed_n_sl): an integer of at least 1 ("Number of
// layers must be at least 1"), at most 100. `labelText` is Lab_sloev's
// caption, which names the field.
std::uint16_t readLayerCount(const NumberInput& input, const QString& labelText);

// The distance from the winding to the yoke (Ed_l_01), 0 to 500 mm, in m.
double readYokeDistance_m(const NumberInput& input, Stage2Effects& effects);

// The laying coefficient k_t (Edi_K_t_nepl), the allowance for the gaps
// between turns along the axis: above 0 ("Laying coefficient must be
// greater than 0"), at most 2.
double readLayingCoefficient(const NumberInput& input, Stage2Effects& effects);

// The cooling channels: their width (Ed_ak, 0 to 200 mm) and their number
// (Ed_nk, 0 to 20), both named by Lab_kan's caption `labelText`.
double readChannelWidth_mm(const NumberInput& input, const QString& labelText, Stage2Effects& effects);
std::uint16_t readChannelCount(const NumberInput& input, const QString& labelText);

// The main insulation between the rod and the winding (Ed_a_01): whole
// millimetres, 0 to 200. The LV reads it with its first "." made ","; the
// KU reads it as typed.
int readRodInsulation_mm(const NumberInput& input);
int readRodInsulation_mm(const NumberInput& input, Stage2Effects& effects);

}  // namespace dravik
