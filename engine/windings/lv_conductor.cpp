#include "windings/lv_conductor.h"

#include "common/command_error.h"
#include "common/guards.h"
#include "common/number_text.h"
#include "common/runtime_texts.h"
#include "windings/conductor_search.h"
#include "windings/lv_turns.h"
#include "windings/winding_inputs.h"

namespace dravik {
namespace {

// Material coefficient of the current-density estimate, by the winding
// metal (copper 0.746, aluminium 0.463); another material keeps the last one.
struct MaterialCoefficient {
    WindingMaterial material;
    double k_mat;
};
constexpr MaterialCoefficient kMaterialCoefficients[] = {
    {WindingMaterial::Copper, 0.746},
    {WindingMaterial::Aluminum, 0.463},
};

// J_av = k_mat·k_d·Pk·e_t / (S·13.5·D_rod) in A/mm², Pk in W, e_t in V, S in
// kVA, D_rod in m. The mean diameter of the LV-HV gap is taken as 1.35·D_rod;
// k_d, the 0.95..0.99 allowance for added losses that the report label
// names, is used as a tenth (0.095) so that the result comes out in A/mm².
constexpr double k_d = 0.095;
constexpr double kGapDiameterFactor = 13.5;

// A single conductor or a strand may differ by 10 % from the estimate.
constexpr double kLowerTolerance = 0.9;
constexpr double kUpperTolerance = 1.1;

// An LV turn is never made of more than eight strands.
constexpr double kMaxStrands = 8;

void setMaterialCoefficient(const QString& material, LvState& lv) {
    const WindingMaterial kind = windingMaterial(material);
    for (const MaterialCoefficient& row : kMaterialCoefficients) {
        if (row.material == kind) lv.k_mat = row.k_mat;
    }
}

// "The chosen type of wire LV: <Tip> <s>mm2 parallel wires a=<n>", then `tail`.
template <typename... Tail>
void addChosenWireLine(Report& memo, const WireRecord& record, int n_par, const Tail&... tail) {
    memo.line(
        QStringLiteral("The chosen type of wire LV: "), [&] { return record.tip(); }, QLatin1Char(' '), F3{record.s},
        QStringLiteral("mm2 parallel wires a="), n_par, tail...);
}

// Estimates: board insulation, e_t = U_lv_ph·1000 / w_eff (volts per turn),
// J_av, the section s_est = I_lv / J_av, the turns of one layer and the
// axial size of one turn h = (Lc − 2·l_01) / ((w_layer + 1)·k_t) in m.
void loadsAndEstimates(const LvInputs& in, const DesignState& design, Stage2State& state, Report& memo,
                       Stage2Effects& effects) {
    LvState& lv = state.lv;
    lv.delta_01 = boardInsulation_mm(in.boardIndex);
    memo.line(QStringLiteral("LV isolation from the magnetic rod, mm "), F3{lv.delta_01});
    setMaterialCoefficient(in.material, lv);
    memo.line(QStringLiteral("Hands-material of magnet wire for aluminum 0,463 to copper 0,746: "), F3{lv.k_mat});
    memo.line(QStringLiteral("factor taking into account the power up to 630 kVA 0,95..0,99: "), F3{k_d});

    lv.e_t = divide(design.U_lv_ph * 1000, effectiveLvTurns(state.turns.w_lv, design.scheme));
    memo.line(QStringLiteral("EMF of one loop, V: "), F3{lv.e_t});
    lv.J_av = divide(lv.k_mat * k_d * design.Pk_norm * lv.e_t, design.S_rated * kGapDiameterFactor * design.D_rod);
    memo.line(QStringLiteral("Approximate average current density winding LV and HV, A/mm2: "), F3{lv.J_av});
    lv.s_est = divide(design.I_lv, lv.J_av);
    memo.line(QStringLiteral("Tentative section of wire, mm2: "), F3{lv.s_est});

    lv.nlv = readLayerCount(in.n_sl, in.layerCaption);
    memo.line(QStringLiteral("Number of layers of LV: "), lv.nlv);
    lv.w_layer = roundCount(divide(state.turns.w_lv, lv.nlv));
    memo.line(QStringLiteral("The number of loop in one layer winding: "), lv.w_layer);
    lv.l_01 = readYokeDistance_m(in.l_01, effects);
    memo.line(QStringLiteral("Insulation distance from the yoke, m: "), F3{lv.l_01});
    lv.k_t = readLayingCoefficient(in.k_t, effects);
    memo.line(QStringLiteral("Leakage rate 1,015..1,03: "), F3{lv.k_t});
    lv.h_turn = divide(design.Lc_razm - 2 * lv.l_01, (lv.w_layer + 1) * lv.k_t);
    memo.line(QStringLiteral("The estimated size of the axial coil of wire, m: "), F3{lv.h_turn});
}

// Single conductor: height within ±10 % of the estimated turn height and
// section within ±10 % of s_est. Every match is listed and the later one
// in table order replaces the earlier.
bool searchSingleConductor(const LvInputs& in, Stage2State& state, const WireCatalogue& catalogue,
                           Report& memo) {
    const double s_est = state.lv.s_est;
    const double h = state.lv.h_turn * 1000;
    bool found = false;
    for (const WireRecord* eligible : catalogue.eligible(in.material, shapeCodeOfItem(in.shapeIndex))) {
        const WireRecord& record = *eligible;
        if (!withinInclusive(record.b, kLowerTolerance * h, kUpperTolerance * h)) continue;
        if (!withinInclusive(record.s, kLowerTolerance * s_est, kUpperTolerance * s_est)) continue;
        const auto strands = strandsFor(s_est, record.s, kMaxStrands);
        if (!strands) continue;
        state.n_par = toParallelCount(*strands);
        state.chosen_wire = record;
        addChosenWireLine(memo, record, state.n_par);
        found = true;
    }
    return found;
}

// Parallel strands, the turn height aside: n = Round(s_est/s) strands of a
// record make 0.9·s_est < n·s <= s_est; the record whose total comes
// closest to s_est wins, the earlier one on a tie.
bool searchParallelStrands(const LvInputs& in, Stage2State& state, const WireCatalogue& catalogue,
                           Report& memo) {
    memo.line(QStringLiteral("Height h more selected conductor. The parallel section with the following conductors:"));
    const double s_est = state.lv.s_est;
    double best_pct = 0;
    bool found = false;
    for (const WireRecord* eligible : catalogue.eligible(in.material, shapeCodeOfItem(in.shapeIndex))) {
        const WireRecord& record = *eligible;
        const auto strands = strandsFor(s_est, record.s, kMaxStrands);
        if (!strands) continue;
        const double total = *strands * record.s;
        if (!(kLowerTolerance * s_est < total && total <= s_est)) continue;
        const double pct = divide(total, s_est) * 100;
        if (!(pct > best_pct)) continue;
        best_pct = pct;
        state.n_par = toParallelCount(*strands);
        state.chosen_wire = record;
        addChosenWireLine(memo, record, state.n_par, QStringLiteral(" corresponds to  "), F3{pct}, QLatin1Char('%'));
        if (state.n_par > kStrandsWithoutWarning) memo.line(tooManyStrandsLine());
        found = true;
    }
    return found;
}

// The conductor. A grid pick makes the choice the user's; otherwise
// the catalogue is searched and its controls opened for a manual choice.
// Returns what ended the press, None when it goes on.
DesignStop chooseConductor(const LvInputs& in, Stage2State& state, const WireCatalogue& catalogue,
                           Report& memo, Stage2Effects& effects) {
    state.wire_found = false;
    if (state.lv_wire_picked) {
        state.manual_par = true;
        effects.parallelSpinEnabled = true;
    }
    if (!state.manual_par) {
        state.wire_found = searchSingleConductor(in, state, catalogue, memo) ||
                           searchParallelStrands(in, state, catalogue, memo);
        if (state.wire_found) state.manual_par = false;
        effects.catalogueControlsEnabled = true;
        effects.parallelSpinEnabled = true;
        effects.shapeToRect = true;
        if (!state.wire_found) {
            state.manual_par = true;
            memo.line(QStringLiteral("A suitable LV wire is not selected!"));
            return DesignStop::LvNoConductor;
        }
    }
    if (state.manual_par) state.n_par = toParallelCount(in.parallelSpin);

    LvState& lv = state.lv;
    lv.lv_wire = state.chosen_wire;
    memo.line(
        QStringLiteral("The final selection of the type of wire LV winding: "), [&] { return lv.lv_wire.tip(); },
        QStringLiteral(" "), F3{lv.lv_wire.s}, QStringLiteral("mm2 parallel wires a="), state.n_par);
    // The layout below needs the strip's sides; a round wire has none.
    if (!(lv.lv_wire.a > 0 && lv.lv_wire.b > 0)) {
        memo.line(
            QStringLiteral("The conductor has no size a or b! Select a rectangular conductor and repeat "
                           "calculation!"));
        state.manual_par = true;
        return DesignStop::LvNotRectangular;
    }
    return DesignStop::None;
}

// Axial fit: turn height h = b and width n_par·a in mm, winding height
// l_lv = (w_layer + 1)·h·k_t, which must not exceed the rod length less the
// two yoke distances. Returns false when it does not fit.
bool fitsOnRod(const DesignState& design, Stage2State& state, Report& memo, Stage2Effects& effects) {
    LvState& lv = state.lv;
    lv.h_turn = lv.lv_wire.b;
    memo.line(QStringLiteral("Refined height loop of wire, mm: "), F3{lv.h_turn});
    lv.b_turn = finite(state.n_par * lv.lv_wire.a);
    memo.line(QStringLiteral("The adjusted width coil, mm: "), F3{lv.b_turn});
    lv.l_lv = finite((lv.w_layer + 1) * lv.h_turn * lv.k_t);
    memo.line(QStringLiteral("height of the cylinder (axial dimension) winding LV l_lv, mm: "), F3{lv.l_lv});

    const double room_mm = design.Lc_razm * 1000 - 2 * lv.l_01 * 1000;
    state.fit.lv_room_mm = room_mm;
    memo.line(QStringLiteral("LV winding placement on the rod axis l_lv<=((Lc_razm*1000)-(2*l_01*1000)), mm: "),
              F3{room_mm});
    if (lv.l_lv > room_mm) {
        state.fit.lv_on_rod = false;
        memo.line(
            QStringLiteral("ОLV winding axis is not available! Select a different combination of size and "
                           "number of parallel wires of wire turns!"));
        state.manual_par = true;
        effects.calculateHvEnabled = false;
        return false;
    }
    memo.line(QStringLiteral("LV winding is placed on the axis"));
    state.fit.lv_on_rod = true;
    state.manual_par = false;
    return true;
}

// Radial build-up: a_lv = nlv·b_turn + (nlv − 1)·δ01 + n_k·a_k; the winding
// starts 2·a_01 out from the rod circle, or outside the KU winding and its
// board when the KU is taken into account.
void radialBuildUp(const LvInputs& in, const DesignState& design, Stage2State& state, Report& memo,
                   Stage2Effects& effects) {
    LvState& lv = state.lv;
    lv.a_k = readChannelWidth_mm(in.ak, in.channelCaption, effects);
    memo.line(QStringLiteral("Channel width, mm: "), F3{lv.a_k});
    lv.n_k = readChannelCount(in.nk, in.channelCaption);
    memo.line(QStringLiteral("The number of cool. chan.: "), F3{static_cast<double>(lv.n_k)});
    lv.a_01 = readRodInsulation_mm(in.a_01, effects);
    memo.line(QStringLiteral("Main insulation separating the coil from the rod, mm: "), F3{lv.a_01});
    lv.a_lv = finite(lv.nlv * lv.b_turn + (lv.nlv - 1) * lv.delta_01 + lv.n_k * lv.a_k);
    memo.line(QStringLiteral("Find the radial dimension of the winding LV, mm: "), F3{lv.a_lv});
    if (in.kuTicked) {
        lv.D_lv_in = finite(2 * lv.delta_01 + state.ku.D_ku_out);
    } else {
        lv.D_lv_in = finite(2 * lv.a_01 + design.D_rod * 1000);
    }
    memo.line(QStringLiteral("LV internal diameter of the cylinder, mm: "), F3{lv.D_lv_in});
    lv.D_lv_out = finite(2 * lv.a_lv + lv.D_lv_in);
    memo.line(QStringLiteral("Outer diameter of the cylinder winding LV, mm: "), F3{lv.D_lv_out});
}

}  // namespace

double boardInsulation_mm(int boardIndex) {
    const BoardRow& row = boardRow(boardIndex);
    return row.layers * row.thickness_mm;
}

DesignStop calculateLvConductor(const LvInputs& in, const DesignState& design, Stage2State& state,
                                const WireCatalogue& catalogue, Report& memo, Stage2Effects& effects) {
    loadsAndEstimates(in, design, state, memo, effects);
    if (const DesignStop stop = chooseConductor(in, state, catalogue, memo, effects); stop != DesignStop::None) {
        return stop;
    }
    if (!fitsOnRod(design, state, memo, effects)) return DesignStop::LvOffRod;
    radialBuildUp(in, design, state, memo, effects);
    state.lv_done = true;
    effects.calculateHvEnabled = false;
    effects.calculateKuEnabled = false;
    return DesignStop::None;
}

}  // namespace dravik
