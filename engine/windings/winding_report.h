#pragma once

#include "common/report.h"
#include "design/design_state.h"
#include "design/stage2_state.h"

#include <QString>

namespace dravik {

struct WindingReportInputs {
    bool kuTicked = false;  // ChB_KU: the design has a KU winding inside the LV
    QString material;       // CB__mater text, "Copper" or "Aluminum"
    int boardIndex = 0;     // CB_delta item: the board between LV (and KU) layers
};

// The "Terms of Reference for the winding:" block that closes a complete
// HV calculation: turns, layers, conductor, conductor mass, dimensions and
// layer insulation of the KU (when ticked), LV and HV windings, then the HV
// turns between the tap terminals. Writes the masses, the zigzag split and
// the tap turns into `state`.
void writeWindingReport(const WindingReportInputs& in, const DesignState& design, Stage2State& state, Report& memo);

}  // namespace dravik
