#pragma once

#include "common/number_input.h"
#include "common/report.h"
#include "design/design_state.h"
#include "design/design_stop.h"
#include "design/stage2_effects.h"
#include "design/stage2_state.h"
#include "design/wire_record.h"
#include "windings/wire_catalogue.h"

#include <QString>
#include <vector>

namespace dravik {

// What "Calculation HV" reads from the Stage II window.
struct HvInputs {
    QString material;            // CB__mater selected text
    int materialIndex = 0;       // CB__mater item: 0 "Copper", 1 "Aluminum"
    int shapeIndex = 0;          // CB_c_r item: 0 "rect", 1 "cikl"
    int cylinderBoardIndex = 0;  // CB_delt item (its only item 0 "Elec. board 0,5")
    int parallelSpin = 1;        // SE_a
    NumberInput nk, ak;          // Ed_nk, Ed_ak
    QString channelCaption;      // Lab_kan as it stands: the caption of Ed_ak and Ed_nk
    bool kuTicked = false;       // ChB_KU, for the report
    int boardIndex = 0;          // CB_delta item, for the report's LV/KU board lines
};

// "Calculation HV": the HV winding of one phase as a multi-layer cylinder of
// round wire round the LV winding. Takes the main insulation distances for
// the power and voltage, derives the HV current density from the LV one,
// chooses the conductor (or takes the user's pick with the SE_a strand
// count), lays the turns out in layers, checks the fit between the yokes,
// chooses the paper between layers, and checks the outer diameter against
// the distance between rod axes. A complete winding ends with the winding
// report and the short-circuit check (state.short_circuit), which every
// other run leaves empty. Lines are appended to `memo`; a failed check ends
// the run after its line (and is returned; None for a complete winding), a
// refused value with a CommandError; what was written stays.
DesignStop calculateHv(const HvInputs& in, const DesignState& design, Stage2State& state,
                       const WireCatalogue& catalogue, Report& memo, Stage2Effects& effects);

}  // namespace dravik
