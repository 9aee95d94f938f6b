#include "magnetic/recommended_induction.h"

namespace dravik {
namespace {

constexpr int kColdRolledReferenceRow = 2;  // 3404, the grade the program starts with
constexpr int kHotRolledReferenceRow = 0;   // 1512

}  // namespace

std::optional<InductionRanges> inductionRangesFor(int steelIndex, char rolling) {
    if (steelIndex >= 0 && steelIndex < static_cast<int>(kRecommendedInductionRanges.size())) {
        return kRecommendedInductionRanges[static_cast<size_t>(steelIndex)];
    }
    if (rolling == 'c') return kRecommendedInductionRanges[kColdRolledReferenceRow];
    if (rolling == 'h') return kRecommendedInductionRanges[kHotRolledReferenceRow];
    return std::nullopt;
}

std::optional<double> recommendedInduction(const InductionRanges& r, double S_rated_kVA) {
    std::optional<double> B_T;
    if (r.S1_kVA <= S_rated_kVA && S_rated_kVA <= r.S2_kVA) B_T = (r.B1_low_T + r.B1_high_T) / 2;
    if (S_rated_kVA >= r.S3_kVA) B_T = (r.B3_low_T + r.B3_high_T) / 2;
    return B_T;
}

}  // namespace dravik
