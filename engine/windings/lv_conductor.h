#pragma once

#include "common/report.h"
#include "design/design_state.h"
#include "design/stage2_effects.h"
#include "design/stage2_state.h"
#include "design/wire_record.h"
#include "windings/wire_catalogue.h"
#include "windings/lv_calculation.h"

#include <QString>
#include <cstdint>
#include <vector>

// The LV conductor and the LV winding's dimensions: the second half of
// "Calculation LV", run straight after the turns.
namespace dravik {

// Thickness of the interlayer board of CB_delta item `boardIndex` in mm:
// its layer count times the thickness of one layer. The LV and the KU lay
// this board next to the rod and between their layers.
double boardInsulation_mm(int boardIndex);

// Current density and section estimate, the conductor (the
// catalogue search, or the grid pick and SE_a count while the parallel count
// is manual), the axial fit on the rod and the radial build-up out to
// D_lv_out. Sets `lv_done` when the winding fits; returns None then, else
// what ended the press.
DesignStop calculateLvConductor(const LvInputs& in, const DesignState& design, Stage2State& state,
                                const WireCatalogue& catalogue, Report& memo, Stage2Effects& effects);

}  // namespace dravik
