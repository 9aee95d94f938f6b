#include "windings/hv_conductor_search.h"

#include "common/guards.h"
#include "common/number_text.h"
#include "windings/conductor_search.h"

#include <array>
#include <cstdint>
#include <optional>

namespace dravik {
namespace {

// The smallest-section fallback starts from this section (mm2): a required
// section at or below the smallest catalogue conductor takes that conductor.
constexpr double kSmallestSectionStart_mm2 = 200;
// A rectangular HV conductor is not split into more than 8 strands.
constexpr double kMaxRectangularStrands = 8;
// The second round pass accepts one conductor covering more than 50 %.
constexpr double kSecondPassFloor_pct = 50;

const QString kChosenPrefix = QStringLiteral("The chosen type of HV wire: ");
const QString kSearchFailed =
    QStringLiteral("Choose an conductor for HV winding failed! Select the conductor and repeat calculation!");

EligibleWires eligibleWires(const HvSearchRequest& request, const WireCatalogue& catalogue) {
    return catalogue.eligible(request.material, shapeCodeOfItem(static_cast<int>(request.shape)));
}

// n = Round(s_hv_est / s), the strands that make up the required section;
// none when the count would not fit a 16-bit strand count.
std::optional<std::uint16_t> strandsFor(double s_hv_est, double s) {
    const double ratio = s_hv_est / s;  // s > 0 for every eligible record
    if (!(ratio > -0.5 && ratio < 1e6)) return std::nullopt;
    const std::int64_t n = roundHalfEven(ratio);
    if (n > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(n);
}

void adopt(const WireRecord& record, std::uint16_t strands, Stage2State& state) {
    state.chosen_wire = record;
    state.hv.n_par_hv = strands;
    state.hv_wire_found = true;
    state.hv_manual_par = false;
}

void addImprovementLine(Report& memo, const WireRecord& record, std::uint16_t strands, double pct, HvWireShape shape) {
    const QString gap = shape == HvWireShape::Round ? QStringLiteral("  ") : QStringLiteral(" ");
    memo.line(
        kChosenPrefix, [&] { return record.tip(); }, QLatin1Char(' '), F3{record.s},
        QStringLiteral("mm2 parallel wire a="), strands, gap, QStringLiteral("Corresponds to "), F3{pct},
        QLatin1Char('%'));
}

struct SmallestSection {
    double s = kSmallestSectionStart_mm2;
    const WireRecord* record = nullptr;
};

// First pass: strands of one conductor whose total lies in 90..100 % of the
// required section; the best coverage wins, an equal one keeps the earlier.
// Also finds the smallest eligible section for the fallback.
SmallestSection coveringPass(const HvSearchRequest& request, const WireCatalogue& catalogue,
                             Stage2State& state, Report& memo) {
    const double s_hv_est = request.s_hv_est;
    SmallestSection smallest;
    double best_pct = 0;
    for (const WireRecord* eligible : eligibleWires(request, catalogue)) {
        const WireRecord& record = *eligible;
        if (record.s < smallest.s) smallest = {record.s, &record};
        const std::optional<std::uint16_t> strands = strandsFor(s_hv_est, record.s);
        if (!strands) continue;
        const double total = *strands * record.s;
        if (!(0.9 * s_hv_est < total && total <= s_hv_est)) continue;
        const double pct = divide(total, s_hv_est) * 100;
        if (!(pct > best_pct)) continue;
        if (request.shape == HvWireShape::Rectangular && !(s_hv_est / record.s <= kMaxRectangularStrands)) continue;
        best_pct = pct;
        adopt(record, *strands, state);
        addImprovementLine(memo, record, *strands, pct, request.shape);
        if (*strands > kStrandsWithoutWarning) memo.line(tooManyStrandsLine());
    }
    return smallest;
}

// Second round pass: one conductor of 50..100 % of the required section.
// The line always says "a=1", while the strand count is Round(s_hv_est / s).
void singleConductorPass(const HvSearchRequest& request, const WireCatalogue& catalogue,
                         Stage2State& state, Report& memo) {
    double best_pct = kSecondPassFloor_pct;
    for (const WireRecord* eligible : eligibleWires(request, catalogue)) {
        const WireRecord& record = *eligible;
        const double pct = divide(record.s, request.s_hv_est) * 100;
        if (!(pct > best_pct && pct <= 100)) continue;
        best_pct = pct;
        adopt(record, roundCount(divide(request.s_hv_est, record.s)), state);
        memo.line(
            kChosenPrefix, [&] { return record.tip(); }, QLatin1Char(' '), F3{record.s},
            QStringLiteral("mm2 parallel wire a=1  Corresponds to "), F3{pct}, QLatin1Char('%'));
    }
}

}  // namespace

bool searchHvConductor(const HvSearchRequest& request, const WireCatalogue& catalogue,
                       Stage2State& state, Report& memo, Stage2Effects& effects) {
    state.hv_wire_found = false;
    const SmallestSection smallest = coveringPass(request, catalogue, state, memo);
    if (request.s_hv_est <= smallest.s && smallest.record != nullptr) {
        adopt(*smallest.record, 1, state);
    }
    if (!state.hv_wire_found && request.shape == HvWireShape::Round) {
        singleConductorPass(request, catalogue, state, memo);
    }
    effects.catalogueControlsEnabled = true;
    effects.parallelSpinEnabled = true;
    if (!state.hv_wire_found) {
        memo.line(kSearchFailed);
        state.hv_manual_par = true;
    }
    return state.hv_wire_found;
}

}  // namespace dravik
