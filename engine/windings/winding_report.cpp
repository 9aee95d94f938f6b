#include "windings/winding_report.h"

#include "common/command_error.h"
#include "common/guards.h"
#include "common/number_text.h"
#include "common/runtime_texts.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace dravik {
namespace {

// Conductor materials of the mass lines. k is about 3·π·density (kg/m3),
// so that the mass of one phase's mean turn length times its section
// covers all three phases.
struct ConductorMaterial {
    const char16_t* name;
    double k;
    const char16_t* weightLabel;
};
constexpr std::array<ConductorMaterial, 2> kConductorMaterials{{
    {u"Copper", 84000, u"Weight of copper, kg: "},
    {u"Aluminum", 25410, u"Weight aluminum, kg: "},
}};

// tan 60° as the zigzag split has always taken it, a little below √3.
constexpr double kSqrt3AsTaken = 1.7320508;

// "<prefix><Tip> <s>".
void addShortConductor(Report& memo, const QString& prefix, const WireRecord& wire) {
    memo.line(
        prefix, [&] { return wire.tip(); }, QLatin1Char(' '), F3{wire.s});
}

// "<prefix><Tip> <s>x<n>x(<a>x<b>)/(<a+2δ>x<b+2δ>)": bare and insulated sides.
void addRectangularConductor(Report& memo, const QString& prefix, const WireRecord& wire, int strands) {
    memo.line(
        prefix, [&] { return wire.tip(); }, QLatin1Char(' '), F3{wire.s}, QLatin1Char('x'), strands,
        QStringLiteral("x("), F3{wire.a}, QLatin1Char('x'), F3{wire.b}, QStringLiteral(")/("), F3{wire.a + wire.delta2},
        QLatin1Char('x'), F3{wire.b + wire.delta2}, QLatin1Char(')'));
}

// Conductor mass of a winding, all three phases (kg):
// m = (D_out + D_in)/2/1000 · w · n · s/1e6 · k, with the diameters in mm,
// w the turns of one phase, n the strands and s the section in mm2.
// No line for a material without a known k; the mass then keeps its value.
void addConductorMass(const QString& material, double D_out, double D_in, int w, int n, double s, double& mass,
                      Report& memo) {
    for (const ConductorMaterial& entry : kConductorMaterials) {
        if (material != QStringView(entry.name)) continue;
        mass = finite((D_out + D_in) / 2 / 1000 * w * n * s / 1000000 * entry.k);
        memo.line(entry.weightLabel, F1{mass});
    }
}

void writeKuSection(const WindingReportInputs& in, Stage2State& state, Report& memo) {
    const KuState& ku = state.ku;
    memo.line(QStringLiteral("Compensating winding device (KU):"));
    memo.line(QStringLiteral("Number of loop of winding KU:"), ku.w_ku);
    memo.line(QStringLiteral("Number of coils KU: "), ku.n_k_ku + 1);
    memo.line(QStringLiteral("The number of layers KU: "), ku.n_layers_ku);
    memo.line(QStringLiteral("In "), ku.n_layers_ku, QStringLiteral(" layers of the number of loop is: "),
              ku.w_layer_ku);
    memo.line(QStringLiteral("Parallel wires:"), ku.n_par_ku);
    addRectangularConductor(memo, QStringLiteral("Type and size of wire: "), ku.ku_wire, ku.n_par_ku);
    addConductorMass(in.material, ku.D_ku_out, ku.D_ku_in, ku.w_ku, ku.n_par_ku, ku.ku_wire.s, state.report.m_ku,
                     memo);
    memo.line(QStringLiteral("Axial dimension of the winding KU, mm "), F1{ku.l_ku});
    memo.line(QStringLiteral("The inner diameter of the coil KU, mm "), F1{ku.D_ku_in});
    memo.line(QStringLiteral("The outer diameter of the coil KU, mm "), F1{ku.D_ku_out});
    if (ku.n_layers_ku > 1) {
        const BoardRow& board = boardRow(in.boardIndex);
        memo.line(QStringLiteral("Insulation between coil layers KU: electric board "), board.layers,
                  QStringLiteral(" in the layer (s) on "), F3{board.thickness_mm}, QStringLiteral(" mm"));
    }
}

// The zigzag phase is split between two rods by the angle β between the
// phase EMF and its part on the own rod:
// w_z1 = Round(2·tan β / (tan β + √3) · w_lv), w_z2 = w_lv − w_z1.
void writeZigzagSplit(Stage2State& state, Report& memo) {
    const double tanBeta = std::tan(state.beta);
    const std::uint16_t w_lv = state.turns.w_lv;
    state.report.w_z1 = roundCount(divide(2 * tanBeta, tanBeta + kSqrt3AsTaken) * w_lv);
    memo.line(QStringLiteral("Number of winding loop I: "), state.report.w_z1);
    state.report.w_z2 = toCount16(std::int64_t{w_lv} - state.report.w_z1);
    memo.line(QStringLiteral("Number of winding loop II: "), state.report.w_z2);
}

void writeLvSection(const WindingReportInputs& in, const DesignState& design, Stage2State& state, Report& memo) {
    const LvState& lv = state.lv;
    const std::uint16_t w_lv = state.turns.w_lv;
    memo.line(QStringLiteral("Winding the lower voltage (LV):"));
    memo.line(QStringLiteral("HH voltage, kV: "), F1{design.U_lv});
    memo.line(QStringLiteral("Number of loop of winding LV:"), w_lv);
    if (design.scheme == kSchemeYZn11) writeZigzagSplit(state, memo);
    memo.line(QStringLiteral("Number of coils LV: "), lv.n_k + 1);
    memo.line(QStringLiteral("Number of layers LV: "), lv.nlv);
    memo.line(QStringLiteral("In "), lv.nlv, QStringLiteral(" layers of the number of loop is: "), lv.w_layer);
    memo.line(QStringLiteral("Parallel wires:"), state.n_par);
    addRectangularConductor(memo, QStringLiteral("Type and size of wire: "), lv.lv_wire, state.n_par);
    addConductorMass(in.material, lv.D_lv_out, lv.D_lv_in, w_lv, state.n_par, lv.lv_wire.s, state.report.m_lv, memo);
    memo.line(QStringLiteral("Axial dimension of the winding LV, mm "), F1{lv.l_lv});
    memo.line(QStringLiteral("The inner diameter of the coil LV, mm "), F1{lv.D_lv_in});
    memo.line(QStringLiteral("The outer diameter of the coil LV, mm "), F1{lv.D_lv_out});
    const BoardRow& board = boardRow(in.boardIndex);
    memo.line(QStringLiteral("Insulation between winding layers LV: "), board.layers, QStringLiteral("слоев "),
              F3{board.thickness_mm}, QStringLiteral(" mm"));
}

void writeHvLayers(const HvState& hv, Report& memo) {
    if (hv.r_extra >= 1) {
        const std::int64_t fuller = truncate(hv.r_extra);
        memo.line(QStringLiteral("In "), hv.n_layers_hv - fuller, QStringLiteral(" layers of the number of loop: "),
                  hv.w_layer_hv);
        memo.line(QStringLiteral("In "), fuller, QStringLiteral(" layers of the number of loop: "), hv.w_layer_hv + 1);
        return;
    }
    memo.line(QStringLiteral("В "), hv.n_layers_hv, QStringLiteral(" layers of the number of loop: "), hv.w_layer_hv);
}

// Turns between the line terminal and tap terminal p: position 1 is the
// highest tap, k = tap_count + 1 − p steps of w_tap above the principal.
void writeTapTurns(const DesignState& design, Stage2State& state, Report& memo) {
    TurnsState& turns = state.turns;
    const int positions = 2 * design.tap_count + 1;
    if (positions > static_cast<int>(turns.tap_turns.size())) {
        throw CommandError(texts::kRangeCheck);
    }
    for (int p = 1; p <= positions; ++p) {
        const int k = design.tap_count + 1 - p;
        memo.line(QStringLiteral("A-"), p, QStringLiteral("=Wвн+"), k, QStringLiteral("*Wр"));
        const std::uint16_t tapTurns = toCount16(std::int64_t{turns.w_hv} + std::int64_t{turns.w_tap} * k);
        turns.tap_turns[static_cast<std::size_t>(p - 1)] = tapTurns;
        memo.line(turns.w_hv, QLatin1Char('+'), k, QLatin1Char('*'), turns.w_tap, QLatin1Char('='), tapTurns);
    }
}

void writeHvSection(const WindingReportInputs& in, const DesignState& design, Stage2State& state, Report& memo) {
    const HvState& hv = state.hv;
    memo.line(QStringLiteral("Winding high-voltage (HV):"));
    memo.line(QStringLiteral("Voltage HV, kV: "), F1{design.U_hv});
    memo.line(QStringLiteral("Number of loop of HV winding:"), state.turns.w_hv);
    memo.line(QStringLiteral("Number of coils HV: "), hv.n_k_hv + 1);
    memo.line(QStringLiteral("The number of layers HV: "), hv.n_layers_hv);
    writeHvLayers(hv, memo);
    memo.line(QStringLiteral("Parallel wires:"), hv.n_par_hv);
    const QString prefix = QStringLiteral("Type and size of the wires: ");
    if (hv.hv_wire.isRound()) {
        addShortConductor(memo, prefix, hv.hv_wire);
    } else {
        addRectangularConductor(memo, prefix, hv.hv_wire, hv.n_par_hv);
    }
    addConductorMass(in.material, hv.D2od, hv.D_hv_in, state.turns.w_hv, hv.n_par_hv, hv.hv_wire.s, state.report.m_hv,
                     memo);
    memo.line(QStringLiteral("Axial dimension of the HV winding, mm "), F1{hv.l_hv});
    memo.line(QStringLiteral("The inner diameter of the coil HV, mm "), F1{hv.D_hv_in});
    memo.line(QStringLiteral("The outer diameter of the coil HV, mm "), F1{hv.D2od});
    memo.line(QStringLiteral("Insulation between the layers of HV winding: electric board "), roundHalfEven(hv.n_il),
              QStringLiteral(" слоев "), F1{hv.delta_il}, QStringLiteral(" mm"));
    memo.line(QStringLiteral("The number of loop between terminals HV winding:"));
    writeTapTurns(design, state, memo);
}

}  // namespace

void writeWindingReport(const WindingReportInputs& in, const DesignState& design, Stage2State& state, Report& memo) {
    memo.line(QStringLiteral(" "));
    memo.line(QStringLiteral("Terms of Reference for the winding:"));
    if (in.kuTicked) writeKuSection(in, state, memo);
    memo.line(QStringLiteral(" "));
    writeLvSection(in, design, state, memo);
    memo.line(QStringLiteral(" "));
    writeHvSection(in, design, state, memo);
}

}  // namespace dravik
