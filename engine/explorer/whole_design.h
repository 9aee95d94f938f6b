#pragma once

#include "catalogues/steel_entry.h"
#include "common/report.h"
#include "design/design_state.h"
#include "design/design_stop.h"
#include "design/stage2_state.h"
#include "design/wire_record.h"
#include "magnetic/magnetic_inputs.h"
#include "windings/hv_winding.h"
#include "windings/ku_winding.h"
#include "windings/lv_calculation.h"
#include "windings/wire_catalogue.h"

#include <QString>
#include <numbers>
#include <vector>

namespace dravik {

// Everything the calculations of one design read, as the windows hold it
// when their buttons are pressed: the Stage I inputs, what the KU window and
// the Stage II window hold at "Calculation KU", "Calculation LV" and
// "Calculation HV", and the zigzag angle. `lv.kuTicked` says whether the
// design has the KU winding, which is then calculated first.
struct DesignInputs {
    MagneticInputs core;
    KuInputs ku;
    LvInputs lv;
    HvInputs hv;
    double zigzagAngle_rad = std::numbers::pi / 6;  // the zigzag window's default
};

// The catalogues a design is made from.
struct DesignCatalogues {
    const std::vector<SteelEntry>& steels;
    const WireCatalogue& wires;
};

// Where a whole design ended: None for a design whose windings are complete
// and meet the standard's load losses and short-circuit voltage; the text
// of the refusal when a CommandError ended it (Refused).
struct DesignOutcome {
    DesignStop stop = DesignStop::None;
    QString refusal;
};

// The whole design, as a designer makes it by hand: "Calculation of the
// magnetic" with its induction search, the hand-over to Stage II, then
// "Calculation KU" when the design has the KU winding, "Calculation LV" and
// "Calculation HV" (with its winding report and short-circuit check), each
// the very calculation the window's button runs, on `design` and
// `windings`. The first calculation that stops ends the design; a complete
// one is then held to the standard's Pk and uk. `stage1Report` and
// `windingsReport` take the lines of Stage I and of Stage II as the windows
// would show them (reports made withoutLines() keep none).
DesignOutcome designWhole(const DesignInputs& in, const DesignCatalogues& catalogues, DesignState& design,
                          Stage2State& windings, Report& stage1Report, Report& windingsReport);

}  // namespace dravik
