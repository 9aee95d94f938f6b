#include "windings/lv_turns.h"

#include "common/command_error.h"
#include "common/guards.h"
#include "common/number_text.h"
#include "common/runtime_texts.h"

namespace dravik {
namespace {

// The induction the turns give may lie 5 % either side of the design value.
constexpr double kInductionLow = 0.95;
constexpr double kInductionHigh = 1.05;

// A tap is accepted when its turns ratio is not more than 0.5 % below the
// voltage ratio; each tap position gets at most five correction attempts.
constexpr double kRatioTolerance_pct = 0.5;
constexpr int kAttemptsPerTap = 5;

// Turns of a whole winding, tap turns included: 1..65535.
std::uint16_t turnsCount(std::int64_t turns) {
    if (turns < 1) throw CommandError(texts::kRangeCheck);
    return toCount16(turns);
}

std::uint16_t roundTurns(double turns) { return turnsCount(roundHalfEven(turns)); }

// U_hv_ph in V: the line voltage over √3 for a star HV (Y/Yn-0, Y/Zn-11),
// the line voltage itself for a delta HV (D/Yn-0).
double hvPhaseVoltage_V(const DesignState& design) {
    if (design.scheme == kSchemeDYn0) return design.U_hv * 1000;
    return design.U_hv * 1000 / kSqrt3Stored;
}

// Voltage of tap position m steps above the principal tap, over the
// principal voltage: 1 + m·tap_step/100.
double tapFactor(int m, double tap_step_pct) { return 1 + m * tap_step_pct / 100; }

// Steps above the principal tap of position p (negative below it).
int stepsAbovePrincipal(int tapCount, int position) { return tapCount - position + 1; }

// Principal tap: w_lv = U_lv_ph·1000 / (B_rod·222·A) (the zigzag count 1.1547 times
// larger), w_hv = U_hv_ph / (B_rod·222·A), and the induction B_turns the
// rounded HV turns give. When B_turns leaves the ±5 % band the LV winding
// takes one turn more (induction too low) or one fewer (too high).
void principalTurns(DesignState& design, Stage2State& state, Report& memo) {
    TurnsState& turns = state.turns;
    if (!state.lv_done) {
        double numerator = design.U_lv_ph * 1000;
        if (design.scheme == kSchemeYZn11) numerator = numerator * kZigzagTurnsFactor;
        turns.w_lv = roundTurns(divide(numerator, design.B_rod * kEmfPerTurnFactor * design.rod_area));
    }
    memo.line(QStringLiteral("The number of loop in the winding of one phase LV "), turns.w_lv);

    turns.U_hv_ph = hvPhaseVoltage_V(design);
    memo.line(QStringLiteral("Higher winding phase voltage, V "), F3{turns.U_hv_ph});

    if (!state.lv_done) {
        turns.w_hv = roundTurns(divide(turns.U_hv_ph, design.B_rod * kEmfPerTurnFactor * design.rod_area));
    }
    memo.line(QStringLiteral("The number of loop in the winding of one phase HV "), turns.w_hv);

    if (!state.lv_done) {
        turns.B_turns = divide(turns.U_hv_ph, turns.w_hv * kEmfPerTurnFactor * design.rod_area);
        std::int64_t w_lv = turns.w_lv;
        if (kInductionLow * design.B_rod > turns.B_turns) w_lv = w_lv + 1;
        if (kInductionHigh * design.B_rod < turns.B_turns) w_lv = w_lv - 1;
        turns.w_lv = turnsCount(w_lv);
        design.B_rod = turns.B_turns;
    }
    memo.line(QStringLiteral("Induction after adjusting the number of loop, T "), F3{design.B_rod});

    // w_tap = Round(tap_step/100 · w_hv): HV turns of one tap step.
    turns.w_tap = toCount16(roundHalfEven(design.tap_step / 100 * turns.w_hv));
    memo.line(QStringLiteral("Adjusting the number of loop at 2,5% HV "), turns.w_tap);
}

// The whole tap table, written again at every attempt: position p has
// w_hv + m·w_tap turns, m steps above the principal tap.
void listTapTurns(int tapCount, TurnsState& turns, Report& memo) {
    const int positions = 2 * tapCount + 1;
    for (int p = 1; p <= positions; ++p) {
        const int m = stepsAbovePrincipal(tapCount, p);
        memo.line(QStringLiteral("A-"), p, QStringLiteral("=Whv+"), m, QStringLiteral("*Wр"));
        const std::uint16_t tapTurns = turnsCount(std::int64_t{turns.w_hv} + std::int64_t{turns.w_tap} * m);
        turns.tap_turns[tapIndex(p)] = tapTurns;
        memo.line(turns.w_hv, QStringLiteral("+"), m, QStringLiteral("*"), turns.w_tap, QStringLiteral("="), tapTurns);
    }
}

// The ratio correction of a tap whose turns ratio is too low: the tap gets
// Round(w_eff·k_u) turns, the principal turns follow from the tap's voltage
// factor, and the turns per step from the principal turns.
void correctHvTurns(int k, int m, double w_eff, const DesignState& design, TurnsState& turns, Report& memo) {
    const int i = tapIndex(k);
    memo.line(QStringLiteral("loop ratio is out of range. We adjust the number of loop of HV winding"));
    turns.tap_turns[i] = roundTurns(w_eff * turns.k_u[i]);
    turns.w_hv = roundTurns(divide(turns.tap_turns[i], tapFactor(m, design.tap_step)));
    memo.line(QStringLiteral("The number of loop in the winding of one phase HV after correction "), turns.w_hv);
    turns.w_tap = toCount16(roundHalfEven(turns.w_hv * design.tap_step / 100));
    memo.line(QStringLiteral("adjusting the number of loop at 2.5% after adjusting for HV "), turns.w_tap);
}

// One attempt at tap position k: U_tap = (1 + m·tap_step/100)·U_hv_ph,
// k_u = U_tap / (U_lv_ph·1000), k_w = tap_turns / w_eff and the discrepancy
// dk = (k_u − k_w) / k_u · 100 %. Above 0.5 % the HV turns are corrected;
// below it the position is accepted (a turns ratio above the voltage ratio
// always is); exactly 0.5 % leaves `found` as it was.
void tryTapPosition(int k, int tapCount, DesignState& design, TurnsState& turns, Report& memo) {
    const int i = tapIndex(k);
    const int m = stepsAbovePrincipal(tapCount, k);
    const double w_eff = effectiveLvTurns(turns.w_lv, design.scheme);

    turns.U_tap[i] = tapFactor(m, design.tap_step) * turns.U_hv_ph;
    memo.line(QStringLiteral("Higher voltage output at "), k, QStringLiteral(",V "), F3{turns.U_tap[i]});
    turns.k_u[i] = divide(turns.U_tap[i], design.U_lv_ph * 1000);
    memo.line(QStringLiteral("Transformation ratio of the voltage output on "), k, QStringLiteral(" "),
              F3{turns.k_u[i]});
    turns.k_w[i] = divide(turns.tap_turns[i], w_eff);
    memo.line(QStringLiteral("Transformation ratio in the number of loop on "), k, QStringLiteral(" "),
              F3{turns.k_w[i]});
    turns.dk[i] = divide(turns.k_u[i] - turns.k_w[i], turns.k_u[i]) * 100;
    memo.line(QStringLiteral("Discrepancy loop ratio on the "), k, QStringLiteral("output "), F3{turns.dk[i]});

    if (turns.dk[i] > kRatioTolerance_pct) {
        correctHvTurns(k, m, w_eff, design, turns, memo);
        design.found = false;
    }
    if (turns.dk[i] < kRatioTolerance_pct) design.found = true;
}

// Every tap position in turn, each with up to five attempts. A
// correction made for one position holds for all later ones.
void adjustTapRatios(int tapCount, DesignState& design, TurnsState& turns, Report& memo) {
    design.tap_count = tapCount;
    const int positions = 2 * tapCount + 1;
    for (int k = 1; k <= positions; ++k) {
        design.found = false;
        for (int attempt = 1; attempt <= kAttemptsPerTap && !design.found; ++attempt) {
            listTapTurns(tapCount, turns, memo);
            tryTapPosition(k, tapCount, design, turns, memo);
        }
        if (!design.found) {
            memo.line(QStringLiteral("An accurate correction of the number of loop of the adjusting winding "), k,
                      QStringLiteral(" HV winding fails"));
        }
    }
}

// The induction the corrected HV turns give, B = U_hv_ph / (w_hv·222·A),
// checked against the ±5 % band, becomes the rod induction.
void finalInduction(DesignState& design, Stage2State& state, Report& memo) {
    TurnsState& turns = state.turns;
    if (!state.lv_done) turns.B_turns = divide(turns.U_hv_ph, turns.w_hv * kEmfPerTurnFactor * design.rod_area);
    memo.line(QStringLiteral("Induction-check the results of the calculation of the number of loop, T "),
              F3{turns.B_turns});
    if (kInductionLow * design.B_rod > turns.B_turns || turns.B_turns > kInductionHigh * design.B_rod) {
        memo.line(
            QStringLiteral("An accurate correction of the number of loop of HV fails due to the failure to "
                           "provide the final winding induction"));
    }
    if (!state.lv_done) design.B_rod = turns.B_turns;
    memo.line(QStringLiteral("Induction final after adjusting the number of loop, T "), F3{design.B_rod});
}

}  // namespace

double effectiveLvTurns(std::uint16_t w_lv, std::int32_t scheme) {
    if (scheme == kSchemeYZn11) return w_lv / kZigzagTurnsFactor;
    return w_lv;
}

void calculateLvTurns(int tapCount, DesignState& design, Stage2State& state, Report& memo) {
    principalTurns(design, state, memo);
    adjustTapRatios(tapCount, design, state.turns, memo);
    finalInduction(design, state, memo);
}

}  // namespace dravik
