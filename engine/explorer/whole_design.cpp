#include "explorer/whole_design.h"

#include "common/command_error.h"
#include "design/stage2_effects.h"
#include "magnetic/magnetic_calculation.h"
#include "magnetic/stage1_results.h"
#include "windings/short_circuit.h"

namespace dravik {
namespace {

// The calculations in the order the data between them demands; the first
// that stops ends the design.
DesignStop calculate(const DesignInputs& in, const DesignCatalogues& catalogues, DesignState& design,
                     Stage2State& windings, Report& stage1Report, Report& windingsReport) {
    Stage1Results stage1Results;
    if (const DesignStop stop =
            calculateMagneticCircuit(in.core, catalogues.steels, design, stage1Results, stage1Report);
        stop != DesignStop::None) {
        return stop;
    }

    windings.beginWindings();
    windings.beta = in.zigzagAngle_rad;
    windingsReport.clear();
    Stage2Effects effects;  // what the windows would change besides: no window here
    if (in.lv.kuTicked) {
        if (const DesignStop stop = calculateKu(in.ku, design, windings, catalogues.wires, windingsReport, effects);
            stop != DesignStop::None) {
            return stop;
        }
    }
    if (const DesignStop stop = calculateLv(in.lv, design, windings, catalogues.wires, windingsReport, effects);
        stop != DesignStop::None) {
        return stop;
    }
    return calculateHv(in.hv, design, windings, catalogues.wires, windingsReport, effects);
}

}  // namespace

DesignOutcome designWhole(const DesignInputs& in, const DesignCatalogues& catalogues, DesignState& design,
                          Stage2State& windings, Report& stage1Report, Report& windingsReport) {
    DesignOutcome outcome;
    try {
        outcome.stop = calculate(in, catalogues, design, windings, stage1Report, windingsReport);
    } catch (const CommandError& error) {
        outcome.stop = DesignStop::Refused;
        outcome.refusal = error.text();
        return outcome;
    }
    if (outcome.stop != DesignStop::None) return outcome;
    const ShortCircuitFigures& check = *windings.short_circuit;
    if (!lossesMeetStandard(check)) {
        outcome.stop = DesignStop::PkAboveStandard;
    } else if (!voltageMeetsStandard(check)) {
        outcome.stop = DesignStop::UkOutsideStandard;
    }
    return outcome;
}

}  // namespace dravik
