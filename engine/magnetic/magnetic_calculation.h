#pragma once

#include "catalogues/steel_entry.h"
#include "common/report.h"
#include "design/design_state.h"
#include "design/design_stop.h"
#include "magnetic/magnetic_inputs.h"
#include "magnetic/stage1_results.h"

#include <vector>

namespace dravik {

// "Calculation of the magnetic": the rod and yoke sections, the rated data
// of the nearest standard transformer, the currents, the recommended
// induction and the steel masses, then the induction search. Clears the
// report first and writes the design state field by field. Returns None
// only when the search met both criteria, else the check that ended it.
//
// Throws CommandError on a field that is not a number, on a refused input
// (no steel chosen, an induction step not above 0, tap steps outside 0..9,
// a negative tap step, a value outside its range, a scheme that is none of
// the list's) and on a division by zero; the lines and state written before
// it stay. A failure caused by one field names it.
//
// `results` forgets its inputs as the calculation starts and remembers `in`
// when both criteria are met.
DesignStop calculateMagneticCircuit(const MagneticInputs& in, const std::vector<SteelEntry>& steels, DesignState& state,
                                    Stage1Results& results, Report& report);

// Reads every input the calculation reads, with the calculation's own
// conversions and checks, and keeps nothing: the first refusal throws the
// CommandError the calculation would throw. For a caller that sets up many
// calculations from one set of inputs.
void checkMagneticInputs(const MagneticInputs& in, const std::vector<SteelEntry>& steels);

}  // namespace dravik
