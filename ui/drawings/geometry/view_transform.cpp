#include "drawings/geometry/view_transform.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace dravik {

ViewTransform fitInto(const QRectF& contentMm, const QRectF& target) {
    if (!(contentMm.width() > 0 && contentMm.height() > 0 && target.width() > 0 && target.height() > 0)) {
        return {1.0, target.center() - contentMm.center()};
    }
    const double scale = std::min(target.width() / contentMm.width(), target.height() / contentMm.height());
    return {scale, target.center() - contentMm.center() * scale};
}

double standardScaleAtMost(double scale) {
    if (!(scale > 0) || !std::isfinite(scale)) return scale;
    static constexpr std::array<double, 10> kSeries{1.0, 1.25, 1.6, 2.0, 2.5, 3.15, 4.0, 5.0, 6.3, 8.0};
    const double decade = std::pow(10.0, std::floor(std::log10(scale)));
    double chosen = kSeries.front() * decade;
    for (double step : kSeries) {
        // A little tolerance, so that a scale that is exactly a step stays it.
        if (step * decade <= scale * (1 + 1e-9)) chosen = step * decade;
    }
    return chosen;
}

ViewTransform fitIntoAtStandardScale(const QRectF& contentMm, const QRectF& target) {
    const ViewTransform fitted = fitInto(contentMm, target);
    if (!(contentMm.width() > 0 && contentMm.height() > 0 && target.width() > 0 && target.height() > 0)) return fitted;
    const double scale = standardScaleAtMost(fitted.scale());
    return {scale, target.center() - contentMm.center() * scale};
}

}  // namespace dravik
