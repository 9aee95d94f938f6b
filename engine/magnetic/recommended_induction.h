#pragma once

#include <array>
#include <optional>

namespace dravik {

// The rod induction a grade is designed for, by rated power: the middle of
// [B_low_T, B_high_T] of the range the power falls in.
struct InductionRanges {
    double S1_kVA, S2_kVA;        // small transformers: S1 <= S <= S2
    double B1_low_T, B1_high_T;
    double S3_kVA;                // larger transformers: S >= S3
    double B3_low_T, B3_high_T;
};

// One row per built-in grade, in catalogue order: 1512 and 1513
// (hot-rolled), 3404 and 3405 (cold-rolled).
inline constexpr std::array<InductionRanges, 4> kRecommendedInductionRanges{{
    {25, 100, 1.5, 1.55, 160, 1.55, 1.6},
    {25, 100, 1.5, 1.55, 160, 1.55, 1.6},
    {25, 100, 1.55, 1.6, 160, 1.6, 1.65},
    {25, 100, 1.5, 1.55, 160, 1.6, 1.65},
}};

// The row for a steel by its list position (0-based): a built-in grade has
// its own; a stored steel takes that of the built-in grade of its rolling,
// 3404 for cold-rolled ('c'), 1512 for hot-rolled ('h'). nullopt for a
// stored steel without a rolling type.
std::optional<InductionRanges> inductionRangesFor(int steelIndex, char rolling);

// The recommended induction (T) for a rated power (kVA), or nullopt when
// the power lies in neither range (the rod induction then stays as it was).
std::optional<double> recommendedInduction(const InductionRanges& ranges, double S_rated_kVA);

}  // namespace dravik
