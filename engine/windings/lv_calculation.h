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

// The Stage II fields that "Calculation LV" reads, as the window holds them.
struct LvInputs {
    QString material;           // CB__mater selected text
    NumberInput numhU;          // Stage I's Ed_num_h_U as typed
    int boardIndex = 0;         // CB_delta item
    NumberInput n_sl, l_01, k_t, ak, nk, a_01;  // Ed_n_sl, Ed_l_01, Edi_K_t_nepl, Ed_ak, Ed_nk, Ed_a_01
    QString layerCaption;       // Lab_sloev as it stands: the caption of Ed_n_sl
    QString channelCaption;     // Lab_kan as it stands: the caption of Ed_ak and Ed_nk
    int parallelSpin = 1;       // SE_a
    int shapeIndex = 0;         // CB_c_r item: 0 "rect", 1 "cikl"
    bool kuTicked = false;      // ChB_KU
};

// "Calculation LV": the restart and guards, the LV and HV turns with the
// HV tap table, then the LV conductor and the winding dimensions, all in
// one press. Appends to `memo` (never clears it) and empties the
// short-circuit check once the tap-step count is read. Returns None when the
// LV winding is done, else the check that ended the press. A CommandError
// stops the press; lines, state and effects written before it stay.
DesignStop calculateLv(const LvInputs& in, DesignState& design, Stage2State& state,
                       const WireCatalogue& catalogue, Report& memo, Stage2Effects& effects);

}  // namespace dravik
