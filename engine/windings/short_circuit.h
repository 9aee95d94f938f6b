#pragma once

#include "design/design_state.h"
#include "design/short_circuit_figures.h"
#include "design/stage2_state.h"

#include <QStringList>

// The short-circuit check of the finished windings: do the load losses Pk
// and the short-circuit voltage uk meet the standard's values for the
// rating? Worked out from what the LV and HV calculations leave in the
// Stage II state; the KU winding carries no current at a balanced load and
// does not count.
namespace dravik {

// Computes every figure of the check for a design whose HV calculation has
// just written the winding report. `materialIndex` is the item of the
// material selector of the HV run (0 "Copper", 1 "Aluminum"), the metal of
// both windings; another index is a range check error. A zero winding
// height, a zero volts-per-turn, standard value or power, or a result that
// is not finite stops with the guard's CommandError. Formats nothing.
ShortCircuitFigures computeShortCircuit(const DesignState& design, const Stage2State& state, int materialIndex);

// Deviation of a figure from the standard's value, in %: (value − norm) / norm · 100.
double deviationPct(double value, double norm);

// The standard allows the load losses up to 10 % above its value and the
// short-circuit voltage within 10 % either way.
bool lossesMeetStandard(const ShortCircuitFigures& figures);
bool voltageMeetsStandard(const ShortCircuitFigures& figures);

// The lines of the check as the Stage II window shows them.
QStringList shortCircuitLines(const ShortCircuitFigures& figures);

}  // namespace dravik
