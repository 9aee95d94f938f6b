#include "magnetic/steel_curve_lookup.h"

#include "common/guards.h"

namespace dravik {
namespace {

bool hasData(const SteelPoint& point) { return point.p > kNoData; }

double interpolate(double v1, double v2, double B1, double B2, double B) {
    return finite((v2 - v1) * (B - B1) / (B2 - B1) + v1);
}

}  // namespace

std::optional<SteelAtInduction> steelAtInduction(const SteelEntry& steel, double B_T) {
    for (int j = 0; j + 1 < kCurvePoints; ++j) {
        const SteelPoint& lo = steel.points[static_cast<size_t>(j)];
        const SteelPoint& hi = steel.points[static_cast<size_t>(j + 1)];
        if (lo.B <= B_T && B_T < hi.B && hasData(lo) && hasData(hi)) {
            return SteelAtInduction{interpolate(lo.p, hi.p, lo.B, hi.B, B_T),
                                    interpolate(lo.q, hi.q, lo.B, hi.B, B_T),
                                    interpolate(lo.qz, hi.qz, lo.B, hi.B, B_T)};
        }
    }
    return std::nullopt;
}

double lastCurveInduction(const SteelEntry& steel) { return steel.points[kCurvePoints - 1].B; }

}  // namespace dravik
