#pragma once

#include "catalogues/steel_entry.h"
#include "common/report.h"
#include "design/design_state.h"
#include "design/design_stop.h"

namespace dravik {

// The most passes of the losses loop one search may run.
inline constexpr int kMaxLossesPasses = 10000;

// The search for the rod induction at which the core meets the rated
// no-load losses P0_norm (within P0_norm .. 1.15 P0_norm) and then the
// rated no-load current (at most 1.3 i0_norm). Starting from state.B_rod,
// it moves the induction by state.dB, writing every pass to the report.
//
// Reads B_rod, rod_area, yoke_area, rod_area_gross, G_rod, G_yoke, U_rated,
// P0_norm, i0_norm, I_hv, dB and steel_kind; writes B_rod, B_yoke, the steel
// values at both inductions, the no-load quantities and the two criteria.
// Returns None when both criteria are met. A search that cannot succeed
// (an induction off the steel's curve, beyond its last point, or an
// alternation with no induction meeting both criteria) ends with its
// report line and returns what ended it.
DesignStop searchInduction(const SteelEntry& steel, DesignState& state, Report& report);

// The yoke carries the rod's flux, so its induction follows the rod's in the
// ratio of the two steel sections: rod_area / yoke_area * B_rod.
double yokeInduction(const DesignState& state);

}  // namespace dravik
