#include "explorer/variant_result.h"

#include "windings/short_circuit.h"

#include <cmath>

namespace dravik {
namespace {

bool stoppedInTheSearch(DesignStop stop) {
    return stop == DesignStop::InductionOffCurve || stop == DesignStop::LossesCriterion ||
           stop == DesignStop::CurrentCriterion || stop == DesignStop::NoInductionMeetsBoth;
}

// The magnetic circuit: its steel once the masses are worked out, and what
// the induction search reached. A fresh state holds 0 for what the search
// never computed.
void readStage1(DesignStop stop, const DesignState& design, VariantResult& r) {
    r.steel_kg = design.G_rod + design.G_yoke;
    r.B_T = design.B_rod;
    if (design.P0 > 0) r.P0_W = design.P0;
    if (design.I0 > 0) r.i0_pct = design.i0;
    switch (stop) {
    case DesignStop::LossesCriterion:
    case DesignStop::NoInductionMeetsBoth:
        r.miss = deviationPct(design.P0, design.P0_norm);
        break;
    case DesignStop::CurrentCriterion:
        r.miss = deviationPct(design.i0, design.i0_norm);
        break;
    default:
        break;
    }
}

// How far a winding check missed: the winding against the room it was held
// to, the section no catalogue wire made, the voltage between two layers.
double windingMiss(DesignStop stop, const Stage2State& w) {
    switch (stop) {
    case DesignStop::KuNoConductor: return w.ku.s_ku_est;
    case DesignStop::LvNoConductor: return w.lv.s_est;
    case DesignStop::HvNoConductor: return w.hv.s_hv_est;
    case DesignStop::KuOffRod: return w.ku.l_ku - w.fit.ku_room_mm;
    case DesignStop::LvOffRod: return w.lv.l_lv - w.fit.lv_room_mm;
    case DesignStop::HvOffRod: return w.hv.l_hv - w.fit.hv_room_mm;
    case DesignStop::HvOutOfWindow: return w.hv.D2od - w.fit.hv_window_mm;
    case DesignStop::NoInterlayerInsulation: return w.hv.U_il;
    case DesignStop::PkAboveStandard: return w.short_circuit->dPk;
    case DesignStop::UkOutsideStandard: return w.short_circuit->duk;
    default: return kNoFigure;
    }
}

double pricePerKg(int materialItem, const Prices& prices) {
    return materialItem == kCopperItem ? prices.copper_per_kg : prices.aluminium_per_kg;
}

void readFinishedWindings(const Variant& v, bool ku, const Stage2State& w, const Prices& prices, VariantResult& r) {
    const ShortCircuitFigures& check = *w.short_circuit;
    r.Pk_W = check.Pk;
    r.uk_pct = check.uk;
    r.conductor_kg = w.report.m_lv + w.report.m_hv + (ku ? w.report.m_ku : 0);
    r.cost = r.steel_kg * prices.steel_per_kg + r.conductor_kg * pricePerKg(v.materialItem, prices);
    r.owningCost = r.cost + prices.A_per_W * r.P0_W + prices.B_per_W * r.Pk_W;
}

}  // namespace

VariantResult evaluateVariant(const Sweep& sweep, int index, const Prices& prices) {
    VariantResult r;
    r.variant = sweep.variant(index);
    const DesignInputs in = sweep.inputs(r.variant);
    DesignState design;
    Stage2State windings;
    Report stage1 = Report::withoutLines();
    Report memo = Report::withoutLines();
    const DesignOutcome outcome = designWhole(in, {sweep.steels(), sweep.wires()}, design, windings, stage1, memo);
    r.stop = outcome.stop;
    r.refusal = outcome.refusal;
    if (r.stop == DesignStop::Refused || r.stop == DesignStop::NoRollingType || r.stop == DesignStop::NoRatedData) {
        return r;
    }
    readStage1(r.stop, design, r);
    if (stoppedInTheSearch(r.stop)) return r;
    r.miss = windingMiss(r.stop, windings);
    if (windings.short_circuit) readFinishedWindings(r.variant, in.lv.kuTicked, windings, prices, r);
    return r;
}

}  // namespace dravik
