#include "windings/short_circuit.h"

#include "common/command_error.h"
#include "common/guards.h"
#include "common/number_text.h"
#include "common/runtime_texts.h"

#include <array>
#include <cmath>
#include <numbers>

namespace dravik {
namespace {

// The metal of both windings, by item of the material selector: the
// resistivity at the 75 °C of the load-loss guarantee and the factor K of
// the eddy-current losses in a rectangular strip and in a round wire.
struct WindingMetal {
    double rho_75C;  // Ω·mm²/m
    double K_strip;
    double K_round;
};
constexpr std::array<WindingMetal, 2> kWindingMetals{{
    {0.02135, 0.095e8, 0.044e8},  // item 0 "Copper"
    {0.0344, 0.037e8, 0.017e8},   // item 1 "Aluminum"
}};

// The stray field runs over about 95 % of the winding height.
constexpr double kStrayFieldHeightFactor = 0.95;

// Losses in the tank walls and the frame, W per kVA of rated power: 10·k
// with k = 0.01 for transformers of this size.
constexpr double kTankLossPerKva = 10 * 0.01;

// ω·μ0 at 50 Hz, times 100 % and 1000 VA per kVA: 0.7896·50 (≈ 39.48).
constexpr double kReactiveVoltageFactor = 0.7896 * 50;

const WindingMetal& windingMetal(int materialIndex) {
    if (materialIndex < 0 || materialIndex >= static_cast<int>(kWindingMetals.size())) {
        throw CommandError(texts::kRangeCheck);
    }
    return kWindingMetals[static_cast<std::size_t>(materialIndex)];
}

// One winding as the loss formulas see it (lengths in mm).
struct LossWinding {
    double D_in = 0, D_out = 0;
    double w = 0;        // turns on one rod
    double J = 0;        // A/mm2
    double strands = 0;  // n, parallel conductors of a turn
    double s = 0;        // mm2, section of one strand
    double x = 0;        // conductor size across the stray field
    double nr = 0;       // conductors side by side across the winding
    double m = 0;        // conductors one above the other along the height
    double h = 0;        // axial size of one conductor
    double l = 0;        // winding height
    double K = 0;        // eddy-current factor of the metal and conductor shape
};

// The LV is wound of rectangular strip laid flat, its strands side by side
// across the winding: nr = nlv·n_par strips across, w_layer turns of height
// b along the axis. A zigzag rod carries both halves, the whole w_lv.
LossWinding lvWinding(const Stage2State& state, const WindingMetal& metal) {
    const LvState& lv = state.lv;
    return {.D_in = lv.D_lv_in, .D_out = lv.D_lv_out,
            .w = static_cast<double>(state.turns.w_lv), .J = state.hv.J_lv,
            .strands = static_cast<double>(state.n_par), .s = lv.lv_wire.s,
            .x = lv.lv_wire.a, .nr = static_cast<double>(lv.nlv) * state.n_par,
            .m = static_cast<double>(lv.w_layer), .h = lv.lv_wire.b, .l = lv.l_lv, .K = metal.K_strip};
}

// Current density in the HV conductor. J_hv is worked out from the line
// current; a delta HV winding (D/Yn-0) carries the phase current, a √3
// part of it.
double hvWindingCurrentDensity(const DesignState& design, const HvState& hv) {
    if (design.scheme == kSchemeDYn0) return hv.J_hv / std::numbers::sqrt3;
    return hv.J_hv;
}

// The HV is wound of round wire, its strands one above the other along the
// height: n_layers_hv wires across, n_par_hv·w_layer_hv along the axis, w_hv
// turns at the principal tap carrying the current.
LossWinding hvWinding(const DesignState& design, const Stage2State& state, const WindingMetal& metal) {
    const HvState& hv = state.hv;
    return {.D_in = hv.D_hv_in, .D_out = hv.D2od,
            .w = static_cast<double>(state.turns.w_hv), .J = hvWindingCurrentDensity(design, hv),
            .strands = static_cast<double>(hv.n_par_hv), .s = hv.hv_wire.s,
            .x = hv.hv_wire.D, .nr = static_cast<double>(hv.n_layers_hv),
            .m = static_cast<double>(hv.n_par_hv) * hv.w_layer_hv, .h = hv.hv_wire.D, .l = hv.l_hv, .K = metal.K_round};
}

double fourthPower(double value) { return value * value * value * value; }

// Resistive losses of the three phases at 75 °C, in W:
// P = 3·ρ·J²·n·s·(π·Dm/1000)·w, with ρ in Ω·mm²/m, J in A/mm², n·s the
// conductor section of a turn in mm², π·Dm/1000 the mean turn in m and w
// the turns of one phase.
double resistiveLosses(const LossWinding& winding, double Dm, double rho) {
    return finite(3 * rho * (winding.J * winding.J) * winding.strands * winding.s * (std::numbers::pi * Dm / 1000) *
                  winding.w);
}

// Share of the winding height the conductors fill, as the stray field sees
// it: β = m·h / l · 0.95.
double axialFill(const LossWinding& winding) {
    return divide(winding.m * winding.h, winding.l) * kStrayFieldHeightFactor;
}

// Eddy-current factor of a winding in the axial stray field:
// kd = 1 + K·β²·(x/1000)⁴·nr², with x the conductor size across the field
// in mm and nr the conductors side by side across the winding.
double eddyCurrentFactor(const LossWinding& winding, double beta) {
    return finite(1 + winding.K * (beta * beta) * fourthPower(winding.x / 1000) * (winding.nr * winding.nr));
}

WindingLossFigures windingLosses(const LossWinding& winding, const WindingMetal& metal) {
    WindingLossFigures figures;
    figures.Dm = finite((winding.D_in + winding.D_out) / 2);
    figures.w = winding.w;
    figures.J = winding.J;
    figures.P = resistiveLosses(winding, figures.Dm, metal.rho_75C);
    figures.beta = axialFill(winding);
    figures.kd = eddyCurrentFactor(winding, figures.beta);
    return figures;
}


// Load losses Pk = kd_LV·P_LV + kd_HV·P_HV + Pt (W) with the tank and frame
// losses Pt = 10·0.01·S (S in kVA), and their deviation from the standard.
void loadLosses(const DesignState& design, ShortCircuitFigures& f) {
    f.Pt = finite(kTankLossPerKva * design.S_rated);
    f.Pk = finite(f.lv.kd * f.lv.P + f.hv.kd * f.hv.P + f.Pt);
    f.Pk_norm = design.Pk_norm;
    f.dPk = deviationPct(f.Pk, f.Pk_norm);
}

// Reactive part of the short-circuit voltage of two concentric windings:
// ur = ω·μ0·β·ap·kR·S'/uv² (%), written for 50 Hz and S' in kVA as
// 0.7896·50·β·ap·kR·S'/uv². β = π·d12/l (d12 the mean gap diameter, l the
// mean winding height), ap = (a12 + (a1 + a2)/3)/1000 m the equivalent
// width of the stray-field channel, kR = 1 − σ·(1 − e^(−1/σ)) the Rogowski
// factor for the field's spread at the winding ends, with
// σ = (a12 + a1 + a2)/(π·l), S' = S/3 the power of one rod and
// uv = U_hv_ph/w_hv the volts per turn.
void reactiveVoltage(const DesignState& design, const Stage2State& state, ShortCircuitFigures& f) {
    const LvState& lv = state.lv;
    const HvState& hv = state.hv;
    f.d12 = finite((lv.D_lv_out + hv.D_hv_in) / 2);
    f.a12 = finite((hv.D_hv_in - lv.D_lv_out) / 2);
    f.a1 = finite((lv.D_lv_out - lv.D_lv_in) / 2);
    f.a2 = finite((hv.D2od - hv.D_hv_in) / 2);
    f.l = finite((lv.l_lv + hv.l_hv) / 2);
    f.beta = divide(std::numbers::pi * f.d12, f.l);
    f.ap = finite((f.a12 + (f.a1 + f.a2) / 3) / 1000);
    f.sigma = divide(f.a12 + f.a1 + f.a2, std::numbers::pi * f.l);
    f.kR = finite(1 - f.sigma * (1 - std::exp(-divide(1, f.sigma))));
    f.S_rod = finite(design.S_rated / 3);
    f.uv = divide(state.turns.U_hv_ph, state.turns.w_hv);
    f.ur = divide(kReactiveVoltageFactor * f.beta * f.ap * f.kR * f.S_rod, f.uv * f.uv);
}

// uk = √(ua² + ur²) with the active part ua = Pk/(10·S) (%, Pk in W, S in
// kVA), and its deviation from the standard.
void shortCircuitVoltage(const DesignState& design, ShortCircuitFigures& f) {
    f.ua = divide(f.Pk, 10 * design.S_rated);
    f.uk = finite(std::sqrt(f.ua * f.ua + f.ur * f.ur));
    f.uk_norm = design.uk_norm;
    f.duk = deviationPct(f.uk, f.uk_norm);
}

// The figures the check box shows, each a value a transformer can have:
// the box is filled after the command, so an absurd figure (a conductor of
// absurd size in the catalogue) stops the command here instead.
void requirePlausibleLines(const ShortCircuitFigures& f) {
    for (const double shown : {f.lv.P, f.lv.kd, f.hv.P, f.hv.kd, f.Pt, f.Pk, f.Pk_norm, f.dPk, f.ua, f.ur, f.uk,
                               f.uk_norm, f.duk}) {
        plausible(shown);
    }
}

constexpr double kPkToleranceAbovePct = 10;
constexpr double kUkTolerancePct = 10;

}  // namespace

double deviationPct(double value, double norm) { return divide(value - norm, norm) * 100; }

bool lossesMeetStandard(const ShortCircuitFigures& f) { return f.dPk <= kPkToleranceAbovePct; }
bool voltageMeetsStandard(const ShortCircuitFigures& f) { return std::fabs(f.duk) <= kUkTolerancePct; }

ShortCircuitFigures computeShortCircuit(const DesignState& design, const Stage2State& state, int materialIndex) {
    const WindingMetal& metal = windingMetal(materialIndex);
    ShortCircuitFigures f;
    f.lv = windingLosses(lvWinding(state, metal), metal);
    f.hv = windingLosses(hvWinding(design, state, metal), metal);
    loadLosses(design, f);
    reactiveVoltage(design, state, f);
    shortCircuitVoltage(design, f);
    requirePlausibleLines(f);
    return f;
}

QStringList shortCircuitLines(const ShortCircuitFigures& f) {
    return {
        QStringLiteral("Short-circuit losses and voltage at 75 °C:"),
        QStringLiteral("Resistive losses of the LV winding, W: ") + formatF3(f.lv.P),
        QStringLiteral("Eddy-current factor of the LV winding: ") + formatF3(f.lv.kd),
        QStringLiteral("Resistive losses of the HV winding, W: ") + formatF3(f.hv.P),
        QStringLiteral("Eddy-current factor of the HV winding: ") + formatF3(f.hv.kd),
        QStringLiteral("Losses in the tank and the frame, W: ") + formatF3(f.Pt),
        QStringLiteral("Short-circuit losses Pk, W: ") + formatF3(f.Pk),
        QStringLiteral("Deviation from the standard Pk=") + formatF3(f.Pk_norm) + QStringLiteral(" W, %: ") +
            formatF3(f.dPk),
        lossesMeetStandard(f) ? QStringLiteral("Pk meets the standard (at most +10 %)")
                                      : QStringLiteral("Pk exceeds the standard by more than 10 %"),
        QStringLiteral("Active component ua, %: ") + formatF3(f.ua),
        QStringLiteral("Reactive component ur, %: ") + formatF3(f.ur),
        QStringLiteral("Short-circuit voltage uk, %: ") + formatF3(f.uk),
        QStringLiteral("Deviation from the standard uk=") + formatF3(f.uk_norm) + QStringLiteral(" %, %: ") +
            formatF3(f.duk),
        voltageMeetsStandard(f) ? QStringLiteral("uk meets the standard (within ±10 %)")
                                            : QStringLiteral("uk is outside the standard (±10 %)"),
    };
}

}  // namespace dravik
