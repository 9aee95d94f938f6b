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

// The compensating-device (KU) winding: innermost on each rod, it carries
// the zero-sequence current of unbalanced LV loads and so suppresses the
// zero-sequence flux in the core.
namespace dravik {

// What "Calculation KU" reads from the KU window and the Stage II window.
struct KuInputs {
    int unbalanceItem = 0;      // RG_Nesimm_Regim item 0..3 (item 2 uses item 0's 0.623·I_lv)
    NumberInput In;             // Ed_In; a typed text has its first "." made "," for item 3
    QString material;           // CB__mater selected text ("Copper" / "Aluminum")
    NumberInput n_sl, l_01, k_t, ak, nk, a_01;  // Ed_n_sl, Ed_l_01, Edi_K_t_nepl, Ed_ak, Ed_nk, Ed_a_01
    QString layerCaption;       // Lab_sloev as it stands: the caption of Ed_n_sl
    QString channelCaption;     // Lab_kan as it stands: the caption of Ed_ak and Ed_nk
    int parallelSpin = 1;       // SE_a
    int boardIndex = 0;         // CB_delta item: delta_01 = kBoardTable[i].layers * thickness
};

// "Calculation KU": the KU current and turns, its conductor (searched, or
// the grid pick with the SE_a count while the choice is manual), the axial
// fit on the rod and the radial build-up out to D_ku_out, which the LV
// winding is laid round. Clears `memo` once the repeat guard has passed.
// `ku_done` is set only when the winding fits the rod: None is returned
// then, else the check that ended the press. A CommandError stops the
// press; lines, state and effects written before it stay.
DesignStop calculateKu(const KuInputs& in, const DesignState& design, Stage2State& state,
                       const WireCatalogue& catalogue, Report& memo, Stage2Effects& effects);

}  // namespace dravik
