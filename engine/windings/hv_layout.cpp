#include "windings/hv_layout.h"

#include "common/guards.h"
#include "common/number_text.h"
#include "windings/hv_tables.h"
#include "windings/winding_inputs.h"

#include <algorithm>
#include <cmath>

namespace dravik {
namespace {

// A length in mm that came from a decimal text, to the nearest nanometre,
// so that 1000·1,001 m is 1001 mm and not the 1000,99999... of its binary.
double toTypedMillimetres(double mm) { return finite(std::round(mm * 1e6) / 1e6); }

// W = w_hv + 2·w_tap: the turns at the highest tap, which the layers must hold.
std::int64_t turnsAtHighestTap(const TurnsState& turns) { return std::int64_t{turns.w_hv} + 2 * std::int64_t{turns.w_tap}; }

// Turns per layer estimated from the room between the yokes and the
// insulated pitch of one turn: Round((1000·Lc_razm − 2·l_02) / ((D + d)·k_t)).
std::uint16_t estimatedTurnsPerLayer(const DesignState& design, const HvState& hv, double k_t) {
    const double D = hv.hv_wire.D;
    const double d = hv.hv_wire.delta2;
    return roundCount(divide(1000 * design.Lc_razm - 2 * hv.l_02, (D + d) * k_t));
}

// Axial height l_hv (mm) of the insulated turns of the fullest layer, with
// one turn's room for the winding's ends and the laying factor k_t:
// (D + d)·n_par_hv·(w_layer_hv + 2)·k_t when some layers carry an extra
// turn, (D + d)·n_par_hv·(w_layer_hv + 1)·k_t otherwise.
double axialHeight(const HvState& hv, double k_t) {
    const double D = hv.hv_wire.D;
    const double d = hv.hv_wire.delta2;
    if (hv.r_extra >= 1) return (D + d) * hv.n_par_hv * (hv.w_layer_hv + 2) * k_t;
    return (D + d) * hv.n_par_hv * (hv.w_layer_hv + 1) * k_t;
}

}  // namespace

std::int64_t rodRoomWholeMm(double Lc_razm_m, double l_02_mm) {
    return truncate(toTypedMillimetres(1000 * Lc_razm_m) - 2 * l_02_mm);
}

DesignStop layOutHvLayers(const DesignState& design, Stage2State& state, Report& memo) {
    HvState& hv = state.hv;
    if (!(hv.hv_wire.D > 0)) {
        memo.line(QStringLiteral(
            "HV winding is calculated for round wire only! Select a round conductor (cikl) and repeat calculation!"));
        return DesignStop::HvNotRound;
    }
    const double k_t = state.lv.k_t;
    const std::int64_t W = turnsAtHighestTap(state.turns);

    hv.w_layer_hv = estimatedTurnsPerLayer(design, hv, k_t);
    memo.line(QStringLiteral("Estimated number of loop in one layer HV winding, "), hv.w_layer_hv);
    hv.n_layers_hv = roundCount(divide(static_cast<double>(W), hv.w_layer_hv));
    memo.line(QStringLiteral("Calculation of the number of layers in the HV winding, "), hv.n_layers_hv);
    hv.w_layer_hv = truncCount(divide(static_cast<double>(W), hv.n_layers_hv));
    memo.line(QStringLiteral("The actual number of loop in one layer of HV winding, "), hv.w_layer_hv);

    const std::int64_t extra = W % hv.n_layers_hv;
    hv.r_extra = static_cast<double>(extra);
    if (extra >= 1) {
        memo.line(QStringLiteral("Add to "), extra, QStringLiteral(" layers, one loop of wire. "),
                  hv.n_layers_hv - extra, QStringLiteral(" layers for "), hv.w_layer_hv,
                  QStringLiteral(" loop of wire"));
    }
    hv.l_hv = finite(axialHeight(hv, k_t));
    memo.line(QStringLiteral("Height of HV winding, mm "), F3{hv.l_hv});

    state.fit.hv_room_mm = static_cast<double>(rodRoomWholeMm(design.Lc_razm, hv.l_02));
    if (state.fit.hv_room_mm > hv.l_hv) {
        memo.line(QStringLiteral("HV winding is placed on the axis"));
        state.fit.hv_on_rod = true;
        return DesignStop::None;
    }
    memo.line(
        QStringLiteral("HV winding is not placed on the axis! Select a different combination of parallel sections and "
                       "coils of wire!"));
    state.fit.hv_on_rod = false;
    state.hv_manual_par = true;
    return DesignStop::HvOffRod;
}

// U_il = 4.44·f·B_rod·A_rod·w_layer_hv (V): the EMF of one layer's turns,
// taken as the voltage between turns of neighbouring layers.
bool chooseInterlayerInsulation(const DesignState& design, Stage2State& state, Report& memo) {
    HvState& hv = state.hv;
    hv.U_il = finite(kEmfPerTurnFactor * design.B_rod * design.rod_area * hv.w_layer_hv);
    memo.line(QStringLiteral("We define the maximum voltage between loop in two neighboring layers HV winding, V "),
              F3{hv.U_il});
    const InterlayerRow* row = findInterlayerRow(hv.U_il);
    if (row == nullptr) {
        memo.line(QStringLiteral("No interlayer insulation for this voltage between layers!"));
        return false;
    }
    hv.U_il_min = row->U_il_min_V;
    hv.U_il_max = row->U_il_max_V;
    hv.n_il = row->n_il;
    hv.delta_il = row->delta_il;
    memo.line(QStringLiteral("Interlayer insulation, Umin, V "), F3{hv.U_il_min});
    memo.line(QStringLiteral("Interlayer insulation, Umax, V "), F3{hv.U_il_max});
    memo.line(QStringLiteral("Interlayer insulation, numb. of layers "), roundHalfEven(hv.n_il));
    memo.line(QStringLiteral("Interlayer insulation, delta, mm "), F3{hv.delta_il});
    hv.t_il = hv.n_il * hv.delta_il;
    memo.line(QStringLiteral("Thickness of the interlayer insulation HV mm "), F3{hv.t_il});
    return true;
}

void readHvChannels(const NumberInput& nk, const NumberInput& ak, const QString& labelText, Stage2State& state,
                    Stage2Effects& effects) {
    state.hv.n_k_hv = readChannelCount(nk, labelText);
    state.lv.a_k = readChannelWidth_mm(ak, labelText, effects);
}

// a_hv = n_layers_hv·D + max(0, n_layers_hv − n_k_hv − 1)·t_il + n_k_hv·a_k:
// bare conductors side by side, paper between layers where no cooling
// channel takes its place, and the channels. D_hv_in = 2·a_12 + D_lv_out,
// D2od = 2·a_hv + D_hv_in (mm).
void computeHvRadialBuild(Stage2State& state, Report& memo) {
    HvState& hv = state.hv;
    const int paperGaps = std::max(0, int{hv.n_layers_hv} - int{hv.n_k_hv} - 1);
    hv.a_hv = finite(hv.n_layers_hv * hv.hv_wire.D + paperGaps * hv.t_il + hv.n_k_hv * state.lv.a_k);
    memo.line(QStringLiteral("Radial size of the HV winding, mm "), F3{hv.a_hv});
    hv.D_hv_in = finite(2 * hv.a_12 + state.lv.D_lv_out);
    memo.line(QStringLiteral("Bore HV winding, mm "), F3{hv.D_hv_in});
    hv.D2od = finite(2 * hv.a_hv + hv.D_hv_in);
    memo.line(QStringLiteral("Outer diameter of the cylinder HV winding D2od, mm "), F3{hv.D2od});
}

bool checkHvWindowWidth(const DesignState& design, Stage2State& state, Report& memo) {
    const HvState& hv = state.hv;
    const double limit = finite(1000 * design.C - hv.a22);
    state.fit.hv_window_mm = limit;
    if (limit >= hv.D2od) {
        memo.line(QStringLiteral("D2вн<=C-a22, мм "), F3{hv.D2od}, QStringLiteral("<="), F3{limit});
        memo.line(
            QStringLiteral("HV winding is placed on the window width. Calculation of LV and HV winding is complete."));
        state.hv_done = true;
        state.fit.hv_in_window = true;
        return true;
    }
    state.fit.hv_in_window = false;
    memo.line(QStringLiteral("Condition D2od<=C-a22, мм "), F3{hv.D2od}, QStringLiteral(">"), F3{limit});
    memo.line(
        QStringLiteral("HV winding no company on the window width! Please choose another combination sectional area of "
                       "the wire and parallel loop!"));
    state.hv_manual_par = true;
    return false;
}

}  // namespace dravik
