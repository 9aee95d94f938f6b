#include "catalogues/steel_curves.h"

#include "common/command_error.h"
#include "common/guards.h"
#include "common/runtime_texts.h"

#include <algorithm>

namespace dravik {
namespace {

// Induction at which every characteristic reads the no-data value.
constexpr double kNoDataInduction_T = 0.01;

// The stored points span (B_min, B_max] in this many equal steps.
constexpr int kResampleSteps = kCurvePoints;

// The scan starts B_min here: no usable point lies at or above it.
constexpr double kInductionCeiling_T = 2.0;

[[noreturn]] void refuseCurves() { throw CommandError(texts::kCurvePoints); }

// The rise over a segment's run; a segment of two equal inductions has no
// slope, and its continuation would be infinite.
long double divideSlope(long double numerator, long double run) {
    if (run == 0.0L) throw CommandError(texts::kDivisionByZero);
    return numerator / run;
}

// The raw curve is usable when it has two points and neither end segment is
// vertical, so that both straight continuations exist.
bool hasUsableEnds(const RawCurve& curve) {
    if (curve.size() < 2) return false;
    const std::size_t n = curve.size();
    return curve[1].B != curve[0].B && curve[n - 1].B != curve[n - 2].B;
}

struct InductionRange {
    double B_min_T = kInductionCeiling_T;
    double B_max_T = 0;
};

// B_max is the highest entered induction; B_min the lowest above the lower
// cut, so that no-data rows near zero do not stretch the characteristic.
void scanInductions(const RawCurve& curve, double lowerCut_T, InductionRange& range) {
    for (const RawPoint& point : curve) {
        if (point.B > range.B_max_T) range.B_max_T = point.B;
        if (point.B < range.B_min_T && point.B > lowerCut_T) range.B_min_T = point.B;
    }
}

}  // namespace

// Piecewise-linear value y(x) of a raw curve of n points (x_i, y_i) in entered
// order, x the induction in T. Every segment i tries, in this order:
//   x_i < x <= x_i+1     y_i + (y_i+1 - y_i)·(x - x_i)/(x_i+1 - x_i)
//   x > x_n              y_n + (y_n - y_n-1)·(x - x_n)/(x_n - x_n-1)
//   x <= x_1, x > 0.01   y_1 - (y_2 - y_1)·(x_1 - x)/(x_2 - x_1)
//   x = 0.01             0.01 (no data)
// and the last rule that holds wins. Evaluated in extended precision. Where
// no rule holds (fewer than two points, or x below both x_1 and 0.01) the
// result is the no-data value 0.01.
double interpolateCurve(const RawCurve& curve, double x) {
    const std::size_t n = curve.size();
    if (n < 2) return kNoData;
    long double result = kNoData;
    const long double X = x;
    const long double x_1 = curve[0].B, y_1 = curve[0].value;
    const long double x_2 = curve[1].B, y_2 = curve[1].value;
    const long double x_n = curve[n - 1].B, y_n = curve[n - 1].value;
    const long double x_n1 = curve[n - 2].B, y_n1 = curve[n - 2].value;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const long double x_i = curve[i].B, y_i = curve[i].value;
        const long double x_j = curve[i + 1].B, y_j = curve[i + 1].value;
        if (x_i < X && X <= x_j) result = y_i + divideSlope((y_j - y_i) * (X - x_i), x_j - x_i);
        if (X > x_n) result = y_n + divideSlope((y_n - y_n1) * (X - x_n), x_n - x_n1);
        if (X <= x_1 && x > kNoDataInduction_T) result = y_1 - divideSlope((y_2 - y_1) * (x_1 - X), x_2 - x_1);
        if (x == kNoDataInduction_T) result = kNoData;
    }
    return finite(static_cast<double>(result));
}

// Point i of 25 lies at B_i = B_min + (B_max - B_min)/25 · i, so point 1 is
// one step above B_min and point 25 is at B_max; p, q and qz are each
// interpolated on their own raw curve.
std::array<SteelPoint, kCurvePoints> resampleCurves(const RawCurve& p, const RawCurve& q, const RawCurve& qz,
                                                    double lowerCut) {
    if (!hasUsableEnds(p) || !hasUsableEnds(q) || !hasUsableEnds(qz)) refuseCurves();
    InductionRange range;
    scanInductions(p, lowerCut, range);
    scanInductions(q, lowerCut, range);
    scanInductions(qz, lowerCut, range);
    if (!(lowerCut < range.B_min_T && range.B_min_T < range.B_max_T)) refuseCurves();

    std::array<SteelPoint, kCurvePoints> points{};
    for (int i = 1; i <= kResampleSteps; ++i) {
        const double B_i = finite(range.B_min_T + (range.B_max_T - range.B_min_T) / kResampleSteps * i);
        points[static_cast<std::size_t>(i - 1)] =
            SteelPoint{B_i, interpolateCurve(p, B_i), interpolateCurve(q, B_i), interpolateCurve(qz, B_i)};
    }
    return points;
}

}  // namespace dravik
