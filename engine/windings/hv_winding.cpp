#include "windings/hv_winding.h"

#include "common/guards.h"
#include "common/number_text.h"
#include "windings/hv_conductor_search.h"
#include "windings/hv_layout.h"
#include "windings/hv_tables.h"
#include "windings/short_circuit.h"
#include "windings/winding_report.h"

namespace dravik {
namespace {

// A change of conductor material starts the HV work afresh.
void restartOnMaterialChange(const QString& material, Stage2State& state) {
    if (material != state.hv_last_material) {
        state.hv_done = false;
        state.hv_manual_par = false;
    }
    state.hv_last_material = material;
}

void takeCylinderBoard(int cylinderBoardIndex, HvState& hv) {
    if (cylinderBoardIndex >= 0 && cylinderBoardIndex < static_cast<int>(kCylinderBoardThickness_mm.size())) {
        hv.delta_board = kCylinderBoardThickness_mm[static_cast<std::size_t>(cylinderBoardIndex)];
    }
}

bool takeInsulationDistances(const DesignState& design, HvState& hv, Report& memo) {
    const HvInsulationRow* row = findHvInsulationRow(design.S_rated, design.U_hv);
    if (row == nullptr) {
        memo.line(QStringLiteral("No main insulation distances for this power and HV voltage!"));
        return false;
    }
    hv.l_02 = row->l_02;
    hv.delta_sh = row->delta_sh;
    hv.a_12 = row->a_12;
    hv.delta_12 = row->delta_12;
    hv.l_c2 = row->l_c2;
    hv.a22 = row->a22;
    hv.delta_22 = row->delta_22;
    return true;
}

// Paperboard layers of the LV-HV cylinder: n_cyl = Round(δ12 / δ_board).
void countCylinderLayers(HvState& hv, Report& memo) {
    hv.n_cyl = roundCount(divide(hv.delta_12, hv.delta_board));
    memo.line(QStringLiteral("The number of layers of insulation (paperboard) for cylinder HV "), hv.n_cyl);
}

// Both windings together should run at about twice the average density:
// J_lv = I_lv / (n_par·s_lv), J_hv_est = 2·J_av − J_lv (A/mm2), and the HV
// conductor section s_hv_est = I_hv / J_hv_est (mm2). A LV conductor far
// smaller than its estimate leaves no density for the HV winding.
bool estimateHvSection(const DesignState& design, Stage2State& state, Report& memo) {
    HvState& hv = state.hv;
    hv.J_lv = divide(design.I_lv, state.n_par * state.lv.lv_wire.s);
    memo.line(QStringLiteral("Actual current density A/mm2 "), F3{hv.J_lv});
    hv.J_hv_est = finite(2 * state.lv.J_av - hv.J_lv);
    memo.line(QStringLiteral("Approximate current density HV A/mm2 "), F3{hv.J_hv_est});
    if (!(hv.J_hv_est > 0)) {
        memo.line(QStringLiteral(
            "Approximate current density HV is not positive! Select a larger LV conductor and repeat calculation!"));
        return false;
    }
    hv.s_hv_est = divide(design.I_hv, hv.J_hv_est);
    memo.line(QStringLiteral("Approximate wire HV, mm2 "), F3{hv.s_hv_est});
    return true;
}

// The conductor: the catalogue search, or the user's grid pick with the
// strand count of SE_a once a pick or a failed check asked for it.
bool settleConductor(const HvInputs& in, Stage2State& state, const WireCatalogue& catalogue, Report& memo,
                     Stage2Effects& effects) {
    state.hv_wire_found = false;
    if (state.hv_wire_picked) {
        state.hv_manual_par = true;
        effects.parallelSpinEnabled = true;
    }
    if (!state.hv_manual_par) {
        const HvSearchRequest request{in.material, static_cast<HvWireShape>(in.shapeIndex), state.hv.s_hv_est};
        if (!searchHvConductor(request, catalogue, state, memo, effects)) return false;
    }
    HvState& hv = state.hv;
    if (state.hv_manual_par) hv.n_par_hv = toCount16(in.parallelSpin);
    hv.hv_wire = state.chosen_wire;
    memo.line(
        QStringLiteral("The final selection of the type of wire HV winding: "), [&] { return hv.hv_wire.tip(); },
        QLatin1Char(' '), F3{hv.hv_wire.s}, QStringLiteral("mm2 parallel wire a="), hv.n_par_hv);
    return true;
}

// J_hv = I_hv / (n_par_hv·s) (A/mm2).
void reportActualDensity(const DesignState& design, HvState& hv, Report& memo) {
    hv.J_hv = divide(design.I_hv, hv.n_par_hv * hv.hv_wire.s);
    memo.line(QStringLiteral("Actual current density in the winding HV A/mm2 "), F3{hv.J_hv});
}

}  // namespace

DesignStop calculateHv(const HvInputs& in, const DesignState& design, Stage2State& state,
                       const WireCatalogue& catalogue, Report& memo, Stage2Effects& effects) {
    // The press goes ahead: the last short-circuit check stands for the
    // windings again only if this run ends with the winding report.
    state.short_circuit.reset();

    restartOnMaterialChange(in.material, state);
    if (!state.lv_done) {
        memo.line(QStringLiteral("Calculate the LV winding first!"));
        return DesignStop::LvNotDone;
    }
    state.fit.hv_on_rod = state.fit.hv_in_window = std::nullopt;
    takeCylinderBoard(in.cylinderBoardIndex, state.hv);
    if (!takeInsulationDistances(design, state.hv, memo)) return DesignStop::NoMainInsulation;
    countCylinderLayers(state.hv, memo);
    if (!estimateHvSection(design, state, memo)) return DesignStop::NoHvCurrentDensity;
    if (!settleConductor(in, state, catalogue, memo, effects)) return DesignStop::HvNoConductor;
    reportActualDensity(design, state.hv, memo);
    if (const DesignStop stop = layOutHvLayers(design, state, memo); stop != DesignStop::None) return stop;
    if (!chooseInterlayerInsulation(design, state, memo)) return DesignStop::NoInterlayerInsulation;
    readHvChannels(in.nk, in.ak, in.channelCaption, state, effects);
    computeHvRadialBuild(state, memo);
    if (!checkHvWindowWidth(design, state, memo)) return DesignStop::HvOutOfWindow;
    writeWindingReport({in.kuTicked, in.material, in.boardIndex}, design, state, memo);
    effects.parallelSpinEnabled = true;
    state.short_circuit = computeShortCircuit(design, state, in.materialIndex);
    return DesignStop::None;
}

}  // namespace dravik
