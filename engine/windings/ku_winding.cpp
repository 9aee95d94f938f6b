#include "windings/ku_winding.h"

#include "common/command_error.h"
#include "common/guards.h"
#include "common/number_text.h"
#include "common/runtime_texts.h"
#include "design/input_ranges.h"
#include "windings/conductor_search.h"
#include "windings/lv_conductor.h"
#include "windings/winding_inputs.h"

#include <array>

namespace dravik {
namespace {

// KU current per unit of the LV line current, by unbalance item: phase
// impedances 1 : 2 : 4 with Za = 1 give 0.623, with Za = 10 they give 0.066.
// One phase disconnected (item 2) is sized as the Za = 1 load, which lies on
// the safe side of it. Item 3 takes the per-unit current typed in Ed_In.
constexpr int kTypedCurrentItem = 3;
constexpr std::array<double, 3> kKuCurrentPerUnit{0.623, 0.066, 0.623};

// The KU winding has a third of the LV star turns.
constexpr double kLvTurnsPerKuTurn = 3;

// Average current density of the KU winding in A/mm² by material and rated
// power (kVA, bounds included); outside these ranges J_av keeps its value.
struct KuDensityRow {
    WindingMaterial material;
    double S_from_kVA;
    double S_to_kVA;
    double J_av;
};
constexpr KuDensityRow kKuDensity[] = {
    {WindingMaterial::Copper, 25, 40, 2.2},
    {WindingMaterial::Copper, 63, 400, 3.5},
    {WindingMaterial::Copper, 630, 630, 3.5},
    {WindingMaterial::Aluminum, 25, 40, 1.8},
    {WindingMaterial::Aluminum, 63, 630, 2.5},
};

// The smallest section the KU is searched with, mm², by material.
struct KuMinimumSection {
    WindingMaterial material;
    double s_mm2;
};
constexpr KuMinimumSection kKuMinimumSection[] = {
    {WindingMaterial::Aluminum, 6.39},
    {WindingMaterial::Copper, 5.04},
};

// A conductor may differ by 10 % from the estimated section and turn height.
constexpr double kLowerTolerance = 0.9;
constexpr double kUpperTolerance = 1.1;

// I_ku = per-unit current × I_lv, in A.
double kuCurrent_A(const KuInputs& in, const DesignState& design) {
    if (in.unbalanceItem == kTypedCurrentItem) {
        return readRangedInput(rangedInputOf("Ed_In"), firstPointToComma(in.In), floatOf) * design.I_lv;
    }
    if (in.unbalanceItem < 0 || in.unbalanceItem >= static_cast<int>(kKuCurrentPerUnit.size())) {
        throw CommandError(texts::kRangeCheck);
    }
    return kKuCurrentPerUnit[static_cast<std::size_t>(in.unbalanceItem)] * design.I_lv;
}

// A new current or material starts the KU afresh; a
// completed KU is repeated only with a conductor picked in the grid.
// Returns false when the press ends here.
bool mayProceed(const QString& material, Stage2State& state, Report& memo) {
    KuState& ku = state.ku;
    auto restart = [&] {
        state.ku_done = false;
        state.ku_manual_par = false;
        ku.last_I_ku = 0;
    };
    if (state.ku_done && ku.last_I_ku != ku.I_ku) restart();
    if (material != ku.ku_last_material) restart();
    ku.ku_last_material = material;
    if (!state.ku_wire_picked && state.ku_done) {
        memo.line(QStringLiteral("Провод не выбран. Выберите провод для продолжения расчета"));
        return false;
    }
    return true;
}

// w_lv = Round(1000·U_lv_ph / (222·B_rod·A)) star turns, a third of
// them for the KU; the density J_av and the section s = I_ku / J_av, raised
// to the smallest strip the KU is wound of.
void turnsAndSection(const QString& material, const DesignState& design, Stage2State& state, Report& memo) {
    KuState& ku = state.ku;
    state.turns.w_lv = roundCount(divide(1000 * design.U_lv_ph, kEmfPerTurnFactor * design.B_rod * design.rod_area));
    ku.w_ku = roundCount(state.turns.w_lv / kLvTurnsPerKuTurn);
    memo.line(QStringLiteral("число витков в обмотке одной фазы KU "), ku.w_ku);

    ku.last_I_ku = ku.I_ku;
    memo.line(QStringLiteral("Ток в обмотке КУ, А "), F3{ku.I_ku});

    const WindingMaterial kind = windingMaterial(material);
    for (const KuDensityRow& row : kKuDensity) {
        if (row.material == kind && withinInclusive(design.S_rated, row.S_from_kVA, row.S_to_kVA)) {
            state.lv.J_av = row.J_av;
        }
    }
    memo.line(QStringLiteral("ориентировочная средняя плотность тока обмотки КУ А/мм2: "), F3{state.lv.J_av});

    ku.s_ku_est = divide(ku.I_ku, state.lv.J_av);
    memo.line(QStringLiteral("Ориентировочное сечение провода КУ, мм2: "), F3{ku.s_ku_est});
    for (const KuMinimumSection& row : kKuMinimumSection) {
        if (row.material == kind && ku.s_ku_est < row.s_mm2) ku.s_ku_est = row.s_mm2;
    }
}

// Turns of one layer and the estimated axial size of a turn,
// h = (Lc − 2·l_01) / ((w_ku + 1)·k_t) in m over all the phase's turns.
void layersAndTurnHeight(const KuInputs& in, const DesignState& design, Stage2State& state, Report& memo,
                         Stage2Effects& effects) {
    KuState& ku = state.ku;
    LvState& lv = state.lv;
    ku.n_layers_ku = readLayerCount(in.n_sl, in.layerCaption);
    ku.w_layer_ku = roundCount(divide(ku.w_ku, ku.n_layers_ku));
    memo.line(QStringLiteral("число витков в одном слое обмотки КУ: "), ku.w_layer_ku);
    lv.l_01 = readYokeDistance_m(in.l_01, effects);
    memo.line(QStringLiteral("изоляционное расстояние от ярм, м: "), F3{lv.l_01});
    lv.k_t = readLayingCoefficient(in.k_t, effects);
    memo.line(QStringLiteral("к-т неплотности 1,015..1,03: "), F3{lv.k_t});
    ku.h_turn_ku = divide(design.Lc_razm - 2 * lv.l_01, (ku.w_ku + 1) * lv.k_t);
    memo.line(QStringLiteral("ориентировочный осевой размер витка КУ, м: "), F3{ku.h_turn_ku});
}

// First pass: a single strip within ±10 % of the estimated turn height and
// section. Every match is listed; the later one in table order replaces the
// earlier.
bool searchSingleStrip(const QString& material, Stage2State& state, const WireCatalogue& catalogue,
                       Report& memo) {
    KuState& ku = state.ku;
    bool found = false;
    for (const WireRecord* eligible : catalogue.eligible(material, rectShapeCode())) {
        const WireRecord& record = *eligible;
        if (!withinInclusive(record.b, kLowerTolerance * 1000 * ku.h_turn_ku, kUpperTolerance * 1000 * ku.h_turn_ku)) {
            continue;
        }
        if (!withinInclusive(record.s, kLowerTolerance * ku.s_ku_est, kUpperTolerance * ku.s_ku_est)) continue;
        ku.n_par_ku = roundCount(divide(ku.s_ku_est, record.s));
        state.chosen_wire = record;
        memo.line(
            QStringLiteral("Выбраный тип провода: "), [&] { return record.tip(); }, QStringLiteral(" "), F3{record.s});
        found = true;
    }
    return found;
}

// Second pass, the turn height aside: n = Round(s/s_strip) strips make
// 0.9·s < n·s_strip <= s; the record whose total comes closest to s wins.
bool searchParallelStrips(const QString& material, Stage2State& state, const WireCatalogue& catalogue,
                          Report& memo) {
    KuState& ku = state.ku;
    memo.line(
        QStringLiteral("Высота hв больше b выбранного проводника. Предлагаются параллельные сечения со "
                       "следующими проводниками:"));
    double best_pct = 0;
    bool found = false;
    for (const WireRecord* eligible : catalogue.eligible(material, rectShapeCode())) {
        const WireRecord& record = *eligible;
        // Like every count, strips beyond what a turn count holds stop the command.
        const std::uint16_t strands = roundCount(divide(ku.s_ku_est, record.s));
        const double total = strands * record.s;
        if (!(kLowerTolerance * ku.s_ku_est < total && total <= ku.s_ku_est)) continue;
        const double pct = divide(total, ku.s_ku_est) * 100;
        if (!(pct > best_pct)) continue;
        best_pct = pct;
        ku.n_par_ku = strands;
        state.chosen_wire = record;
        memo.line(
            QStringLiteral("Выбраный тип провода обмотки КУ: "), [&] { return record.tip(); }, QStringLiteral(" "),
            F3{record.s}, QStringLiteral("мм2 парал сечен a="), ku.n_par_ku, QStringLiteral(" Соответствует на "),
            F3{pct}, QStringLiteral("%"));
        if (ku.n_par_ku > kStrandsWithoutWarning) {
            memo.line(
                QStringLiteral("Нежелательное число параллельных ветвей! Желательно до 4, не более 6 при "
                               "намотке плашмя и до 6, не более 8 на ребро!"));
        }
        found = true;
    }
    return found;
}

// The conductor, searched or (while the choice is manual)
// the grid pick with the SE_a count. Returns what ended the press, None when
// it goes on.
DesignStop chooseConductor(const KuInputs& in, Stage2State& state, const WireCatalogue& catalogue,
                           Report& memo, Stage2Effects& effects) {
    KuState& ku = state.ku;
    state.ku_wire_found = false;
    ku.n_par_ku = 1;
    if (state.ku_wire_picked) {
        state.ku_manual_par = true;
        effects.parallelSpinEnabled = true;
    }
    if (!state.ku_manual_par) {
        state.ku_wire_found = searchSingleStrip(in.material, state, catalogue, memo) ||
                              searchParallelStrips(in.material, state, catalogue, memo);
        if (state.ku_wire_found) {
            state.ku_manual_par = false;
        } else {
            // The user is asked to choose: open the grid for the pick and SE_a for the count.
            state.ku_manual_par = true;
            effects.parallelSpinEnabled = true;
            effects.catalogueControlsEnabled = true;
            memo.line(QStringLiteral("Подходящий провод КУ не подобран!"));
            state.ku_done = false;
            return DesignStop::KuNoConductor;
        }
    }
    if (state.ku_manual_par) ku.n_par_ku = toCount16(in.parallelSpin);

    ku.ku_wire = state.chosen_wire;
    memo.line(
        QStringLiteral("Окончательно выбраный тип провода обмотки КУ: "), [&] { return ku.ku_wire.tip(); },
        QStringLiteral(" "), F3{ku.ku_wire.s}, QStringLiteral("мм2 парал сечен a="), ku.n_par_ku);
    // The layout below needs the strip's sides; a round wire has none.
    if (!(ku.ku_wire.a > 0 && ku.ku_wire.b > 0)) {
        memo.line(
            QStringLiteral("У проводника нет размеров a и b! Выберите прямоугольный проводник и повторите "
                           "расчет!"));
        state.ku_manual_par = true;
        return DesignStop::KuNotRectangular;
    }
    return DesignStop::None;
}

// Turn height b and width n_par_ku·a in mm, winding height
// l_ku = (w_layer_ku + 1)·h·k_t against the rod length less the two yoke
// distances. The press goes on either way; returns whether it fits.
bool fitsOnRod(const DesignState& design, Stage2State& state, Report& memo, Stage2Effects& effects) {
    KuState& ku = state.ku;
    const LvState& lv = state.lv;
    ku.h_turn_ku = ku.ku_wire.b;
    memo.line(QStringLiteral("уточненная высота витка, мм: "), F3{ku.h_turn_ku});
    ku.b_turn_ku = finite(ku.n_par_ku * ku.ku_wire.a);
    memo.line(QStringLiteral("уточненная ширина витка, мм: "), F3{ku.b_turn_ku});
    ku.l_ku = finite((ku.w_layer_ku + 1) * ku.h_turn_ku * lv.k_t);
    memo.line(QStringLiteral("высота цилиндра (осевой размер) обмотки НН l_ku, мм: "), F3{ku.l_ku});

    const double limit_mm = 1000 * design.Lc_razm - 2 * 1000 * lv.l_01;
    state.fit.ku_room_mm = limit_mm;
    const bool fits = limit_mm >= ku.l_ku;
    if (fits) {
        memo.line(QStringLiteral("разместимость обмотки КУ по оси стержня l_ku<=((Lc_razm)-(2*l_01)), мм: "),
                  F3{limit_mm});
        memo.line(QStringLiteral("Обмотка КУ по оси разместима"));
        state.ku_manual_par = false;
    } else {
        memo.line(QStringLiteral("разместимость обмотки КУ по оси стержня l_ku<=((Lc_razm*1000)-(2*l_01*1000)), мм: "),
                  F3{limit_mm});
        memo.line(
            QStringLiteral("Обмотка КУ по оси НЕ разместима!!! Выберите другое сочетание сечения и к-в "
                           "парал витков!"));
        state.ku_manual_par = true;
        state.ku_done = false;
    }
    effects.calculateHvEnabled = fits;
    return fits;
}

// Radial build-up: a_ku = (n_layers − 1)·δ01 + n_layers·b_turn + n_k·a_k, the
// winding starting 2·a_01 out from the rod circle.
void radialBuildUp(const KuInputs& in, const DesignState& design, Stage2State& state, Report& memo,
                   Stage2Effects& effects) {
    KuState& ku = state.ku;
    LvState& lv = state.lv;
    ku.a_k_ku = readChannelWidth_mm(in.ak, in.channelCaption, effects);
    memo.line(QStringLiteral("ширина канала, мм: "), F3{ku.a_k_ku});
    ku.n_k_ku = readChannelCount(in.nk, in.channelCaption);
    memo.line(QStringLiteral("число каналов охл: "), F3{static_cast<double>(ku.n_k_ku)});
    lv.a_01 = readRodInsulation_mm(in.a_01);
    memo.line(QStringLiteral("главная изоляция от стержня, мм: "), F3{lv.a_01});
    const double delta_01 = boardInsulation_mm(in.boardIndex);
    ku.a_ku = finite((ku.n_layers_ku - 1) * delta_01 + ku.n_layers_ku * ku.b_turn_ku + ku.n_k_ku * ku.a_k_ku);
    memo.line(QStringLiteral("найдем радиальный размер обмотки КУ, мм: "), F3{ku.a_ku});
    ku.D_ku_in = finite(2 * lv.a_01 + 1000 * design.D_rod);
    memo.line(QStringLiteral("внутренний диаметр цилиндра КУ, мм: "), F3{ku.D_ku_in});
    ku.D_ku_out = finite(2 * ku.a_ku + ku.D_ku_in);
    memo.line(QStringLiteral("наружный диаметр  цилиндра обмотки КУ, мм: "), F3{ku.D_ku_out});
}

}  // namespace

DesignStop calculateKu(const KuInputs& in, const DesignState& design, Stage2State& state,
                       const WireCatalogue& catalogue, Report& memo, Stage2Effects& effects) {
    state.ku.I_ku = kuCurrent_A(in, design);
    if (!mayProceed(in.material, state, memo)) return DesignStop::KuRepeatWithoutPick;
    state.fit = {};  // the KU is laid afresh, and every winding round it
    memo.clear();
    turnsAndSection(in.material, design, state, memo);
    layersAndTurnHeight(in, design, state, memo, effects);
    if (const DesignStop stop = chooseConductor(in, state, catalogue, memo, effects); stop != DesignStop::None) {
        return stop;
    }
    const bool fits = fitsOnRod(design, state, memo, effects);
    radialBuildUp(in, design, state, memo, effects);
    state.fit.ku_on_rod = fits;  // with its diameters, so the KU can be drawn

    // Only a KU that fits the rod is one the LV winding may be laid round.
    if (fits) state.ku_done = true;
    effects.calculateHvEnabled = false;
    effects.catalogueControlsEnabled = true;
    effects.parallelSpinEnabled = true;
    effects.hideKuWindow = true;
    return fits ? DesignStop::None : DesignStop::KuOffRod;
}

}  // namespace dravik
