#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>

namespace dravik {

// Maps a drawing's millimetres (x to the right, y downwards) onto the
// painter's units with one scale for both axes, so that the proportions of
// the design stay true.
class ViewTransform {
public:
    ViewTransform() = default;
    ViewTransform(double scale, QPointF offset) : scale_(scale), offset_(offset) {}

    double scale() const { return scale_; }  // painter units per millimetre
    double length(double mm) const { return mm * scale_; }
    QPointF map(QPointF mm) const { return offset_ + mm * scale_; }
    QRectF map(const QRectF& mm) const { return QRectF(map(mm.topLeft()), map(mm.bottomRight())).normalized(); }
    QLineF map(const QLineF& mm) const { return {map(mm.p1()), map(mm.p2())}; }

private:
    double scale_ = 1.0;
    QPointF offset_;
};

// The largest scale at which `contentMm` fits into `target`, the content
// centred in it. An empty content or target gives the scale 1 at the
// target's centre.
ViewTransform fitInto(const QRectF& contentMm, const QRectF& target);

// The largest scale of the preferred-number series 1; 1,25; 1,6; 2; 2,5;
// 3,15; 4; 5; 6,3; 8 (times a power of ten) not above `scale`. A drawing at
// such a scale keeps it while a size changes a little, so that a wider core
// is drawn wider instead of everything shrinking to fit.
double standardScaleAtMost(double scale);

// As fitInto, at the standard scale below the largest that fits.
ViewTransform fitIntoAtStandardScale(const QRectF& contentMm, const QRectF& target);

}  // namespace dravik
