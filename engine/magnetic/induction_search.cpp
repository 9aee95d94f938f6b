#include "magnetic/induction_search.h"

#include "common/guards.h"
#include "magnetic/steel_curve_lookup.h"
#include "magnetic/steel_factors.h"
#include "magnetic/stage1_lines.h"

#include <cmath>
#include <optional>

namespace dravik {
namespace {

using namespace stage1_lines;

// The core's losses may exceed the rated no-load losses by 15 %, its
// no-load current the rated one by 30 %.
constexpr double kLossesTolerance = 1.15;
constexpr double kCurrentTolerance = 1.3;
// Magnetising power of the core's joints over that of one rod section.
constexpr double kJointFactor = 3.2;

enum class Move { None, Up, Down };

class InductionSearch {
public:
    InductionSearch(const SteelEntry& steel, DesignState& state, Report& report)
        : steel_(steel), s_(state), report_(report), B_last_T_(lastCurveInduction(steel)) {}

    DesignStop run() {
        s_.i0_ok = false;
        for (;;) {
            s_.p0_ok = false;
            if (const DesignStop stop = meetLossesCriterion(); stop != DesignStop::None) return stop;
            computeNoLoadCurrent();
            testNoLoadCurrent();
            if (s_.B_rod > B_last_T_) {
                addLine(report_, kCurrentFailed);
                return DesignStop::CurrentCriterion;
            }
            if (s_.i0_ok) return DesignStop::None;
        }
    }

private:
    // The losses loop: one pass per induction tried, until the losses lie in
    // their band. Anything but None when the search has ended with a report
    // line.
    DesignStop meetLossesCriterion() {
        do {
            if (lossesPasses_ == kMaxLossesPasses) return endWithoutInduction();
            ++lossesPasses_;
            if (!lookUpRod() || !lookUpYoke()) return DesignStop::InductionOffCurve;
            computeLosses();
            if (s_.P0_norm <= s_.P0 && s_.P0 <= kLossesTolerance * s_.P0_norm) {
                s_.p0_ok = true;
                addValueLine(report_, kLossesMet, s_.P0);
            } else if (!moveTowardsLossesBand()) {
                return endWithoutInduction();
            }
            if (s_.B_rod > B_last_T_) {
                addLine(report_, kLossesFailed);
                return DesignStop::LossesCriterion;
            }
        } while (!s_.p0_ok);
        return DesignStop::None;
    }

    bool lookUpRod() {
        return lookUp(s_.B_rod, kRodLines, s_.p_rod, s_.q_rod, s_.qz_rod);
    }

    bool lookUpYoke() {
        s_.B_yoke = yokeInduction(s_);
        return lookUp(s_.B_yoke, kYokeLines, s_.p_yoke, s_.q_yoke, s_.qz_yoke);
    }

    // The labels of one part of the core: its three steel lines and the line
    // that says its induction lies off the curve.
    struct PartLines {
        const char16_t* offCurve;
        const char16_t* losses;
        const char16_t* magnetising;
        const char16_t* joint;
    };
    static constexpr PartLines kRodLines{kRodOffCurve, kRodLosses, kRodMagnetising, kRodJoint};
    static constexpr PartLines kYokeLines{kYokeOffCurve, kYokeLosses, kYokeMagnetising, kYokeJoint};

    // The steel's p, q and qz at induction B of one part, with their lines.
    bool lookUp(double B, const PartLines& lines, double& p, double& q, double& qz) {
        const auto at = steelAtInduction(steel_, B);
        s_.found = at.has_value();
        if (!at) {
            report_.line(lines.offCurve, F3{B}, kOffCurveUnit);
            return false;
        }
        p = at->p;
        q = at->q;
        qz = at->qz;
        addValueLine(report_, lines.losses, p);
        addValueLine(report_, lines.magnetising, q);
        addValueLine(report_, lines.joint, qz);
        return true;
    }

    // P0 = (p_rod * G_rod + p_yoke * G_yoke) * k_p0, W: the steel's specific
    // losses times the masses, with the allowance of the steel kind.
    void computeLosses() {
        s_.k_p0 = steelKindFactors(s_.steel_kind).k_p0;
        s_.P0 = finite((s_.p_rod * s_.G_rod + s_.p_yoke * s_.G_yoke) * s_.k_p0);
    }

    // One step of dB towards the band. Refused when the step would reverse
    // the loop's direction (the band is narrower than one step) or climb back
    // to an induction at which the no-load current was already too high:
    // then no induction of the search meets both criteria. Refused too once
    // the passes are used up, so that B_rod stays at the last induction tried.
    bool moveTowardsLossesBand() {
        if (lossesPasses_ >= kMaxLossesPasses) return false;
        const Move move = s_.P0 < s_.P0_norm ? Move::Up : Move::Down;
        if (lastMove_ != Move::None && move != lastMove_) return false;
        const double next_T = move == Move::Up ? s_.B_rod + s_.dB : s_.B_rod - s_.dB;
        if (move == Move::Up && lowestCurrentFailure_T_ && next_T >= *lowestCurrentFailure_T_ - s_.dB / 2) {
            return false;
        }
        lastMove_ = move;
        s_.B_rod = finite(next_T);
        return true;
    }

    // The no-load current from its active part (the losses) and its reactive
    // part (the magnetising power of the steel and of the joints), each
    // divided by the HV phase voltage 3000 * U_rated / sqrt 3 (V over three
    // phases, U_rated in kV); i0 in % of the rated HV current.
    void computeNoLoadCurrent() {
        const double sqrt3 = std::pow(3.0, 0.5);
        s_.I0a = divide(s_.P0, 3000 * s_.U_rated / sqrt3);
        addValueLine(report_, kActiveCurrent, s_.I0a);
        s_.Qz = finite(s_.qz_rod * kJointFactor * s_.rod_area_gross);
        addValueLine(report_, kJointPower, s_.Qz);
        s_.k_q = steelKindFactors(s_.steel_kind).k_q;
        s_.Q0 = finite((s_.q_rod * s_.G_rod + s_.q_yoke * s_.G_yoke) * s_.k_q + s_.Qz);
        addValueLine(report_, kMagnetisingPower, s_.Q0);
        s_.I0r = divide(s_.Q0, 3000 * s_.U_rated / sqrt3);
        addValueLine(report_, kReactiveCurrent, s_.I0r);
        s_.I0 = finite(std::sqrt(s_.I0r * s_.I0r + s_.I0a * s_.I0a));
        addValueLine(report_, kNoLoadCurrent, s_.I0);
        s_.i0 = divide(s_.I0, s_.I_hv) * 100;
        addValueLine(report_, kNoLoadCurrentPct, s_.i0);
    }

    void testNoLoadCurrent() {
        if (s_.i0 <= kCurrentTolerance * s_.i0_norm) {
            s_.i0_ok = true;
            addLine(report_, kCurrentMet);
            return;
        }
        if (!lowestCurrentFailure_T_ || s_.B_rod < *lowestCurrentFailure_T_) lowestCurrentFailure_T_ = s_.B_rod;
        s_.B_rod = s_.B_rod - s_.dB;
    }

    DesignStop endWithoutInduction() {
        addLine(report_, kBothCriteriaFailed);
        return DesignStop::NoInductionMeetsBoth;
    }

    const SteelEntry& steel_;
    DesignState& s_;
    Report& report_;
    const double B_last_T_;
    int lossesPasses_ = 0;
    Move lastMove_ = Move::None;
    std::optional<double> lowestCurrentFailure_T_;
};

}  // namespace

DesignStop searchInduction(const SteelEntry& steel, DesignState& state, Report& report) {
    return InductionSearch(steel, state, report).run();
}

double yokeInduction(const DesignState& state) {
    return finite(divide(state.rod_area, state.yoke_area) * state.B_rod);
}

}  // namespace dravik
