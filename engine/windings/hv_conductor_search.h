#pragma once

#include "common/report.h"
#include "design/stage2_effects.h"
#include "design/stage2_state.h"
#include "design/wire_record.h"
#include "windings/wire_catalogue.h"

#include <QString>
#include <vector>

namespace dravik {

// Conductor shape as the CB_c_r item gives it.
enum class HvWireShape { Rectangular = 0, Round = 1 };

struct HvSearchRequest {
    QString material;   // a record qualifies only with exactly this Mater
    HvWireShape shape = HvWireShape::Rectangular;
    double s_hv_est = 0;  // mm2, the section the HV current asks for
};

// Automatic choice of the HV conductor from the catalogue, in table order.
// Each improvement becomes `chosen_wire` with its `n_par_hv` and writes a
// line; a required section not above the smallest usable catalogue section
// takes that smallest conductor alone. Round wires get a second pass over
// single conductors of 50..100 % of the section. Afterwards the catalogue
// controls and SE_a are enabled; when nothing was found the failure line
// is written and `hv_manual_par` is set so that the user's pick is used
// next time. Returns whether a conductor was found.
bool searchHvConductor(const HvSearchRequest& request, const WireCatalogue& catalogue,
                       Stage2State& state, Report& memo, Stage2Effects& effects);

}  // namespace dravik
