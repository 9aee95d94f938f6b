#pragma once

#include "common/number_input.h"
#include "common/report.h"
#include "design/design_state.h"
#include "design/design_stop.h"
#include "design/stage2_effects.h"
#include "design/stage2_state.h"

#include <QString>
#include <cstdint>

// Geometry of the HV winding once its conductor is fixed: a multi-layer
// cylindrical winding of round wire laid round the LV winding. Each step
// appends its lines; a step that returns false has written the line of its
// failed check and the calculation ends there.
namespace dravik {

// Whole millimetres of rod between the two yoke distances l_02:
// Trunc(1000·Lc_razm − 2·l_02). The rod length is taken as the decimal
// millimetres it was typed in, so 0,29 m with l_02 20 mm leaves 250 mm.
std::int64_t rodRoomWholeMm(double Lc_razm_m, double l_02_mm);

// Turns per layer, layers and axial height of the HV winding, and its fit
// between the yokes. Needs a round conductor (D above 0); for any other the
// line asking for a round wire is written and hv_manual_par is left alone.
// Returns None when the winding fits, else the check that failed.
DesignStop layOutHvLayers(const DesignState& design, Stage2State& state, Report& memo);

// Voltage between the turns of two neighbouring layers and the paper laid
// between them.
bool chooseInterlayerInsulation(const DesignState& design, Stage2State& state, Report& memo);

// Cooling channels of the HV winding: their number (Ed_nk) and width
// (Ed_ak, mm, its first "." made ","); the width is the channel width the
// LV calculation also uses. `labelText` is Lab_kan's caption.
void readHvChannels(const NumberInput& nk, const NumberInput& ak, const QString& labelText, Stage2State& state,
                    Stage2Effects& effects);

// Radial size and the inner and outer diameters of the HV winding.
void computeHvRadialBuild(Stage2State& state, Report& memo);

// The outer diameter must leave the gap a22 to the next phase's HV winding
// within the distance C between rod axes. Sets hv_done when it does,
// hv_manual_par when it does not.
bool checkHvWindowWidth(const DesignState& design, Stage2State& state, Report& memo);

}  // namespace dravik
