#include "windings/lv_calculation.h"

#include "common/command_error.h"
#include "common/number_text.h"
#include "common/runtime_texts.h"
#include "windings/lv_conductor.h"
#include "windings/lv_turns.h"

namespace dravik {
namespace {

// Before anything is written: another material starts the LV design
// afresh; the LV is laid round the KU winding, so a ticked KU must have been
// calculated and fit; a completed LV is repeated only with a conductor
// picked in the grid.
// Returns what ended the press, None when it goes on.
DesignStop mayProceed(const LvInputs& in, Stage2State& state, Report& memo) {
    if (in.material != state.last_material) {
        state.lv_done = false;
        state.manual_par = false;
    }
    state.last_material = in.material;
    if (in.kuTicked && !state.ku_done) {
        memo.line(QStringLiteral("Calculate the KU winding first!"));
        return DesignStop::KuNotDone;
    }
    if (state.lv_done && !state.lv_wire_picked) {
        memo.line(QStringLiteral("The wire is not selected. Select the wire to continue the calculation"));
        return DesignStop::LvRepeatWithoutPick;
    }
    return DesignStop::None;
}

}  // namespace

DesignStop calculateLv(const LvInputs& in, DesignState& design, Stage2State& state,
                       const WireCatalogue& catalogue, Report& memo, Stage2Effects& effects) {
    const int tapSteps = readTapSteps(in.numhU);
    // The press goes ahead: whatever it does to the LV winding, the last
    // short-circuit check no longer stands for the windings.
    state.short_circuit.reset();

    if (const DesignStop stop = mayProceed(in, state, memo); stop != DesignStop::None) return stop;
    calculateLvTurns(tapSteps, design, state, memo);
    // From here on the press replaces the LV winding: until it fits again,
    // the HV must not be laid round the one that was there before.
    state.lv_done = false;
    state.fit.lv_on_rod = state.fit.hv_on_rod = state.fit.hv_in_window = std::nullopt;  // the KU stays
    return calculateLvConductor(in, design, state, catalogue, memo, effects);
}

}  // namespace dravik
