#include "drawings/core_window_picture.h"

#include "drawings/dimension_marks.h"
#include "drawings/palette.h"
#include "drawings/scene_painting.h"

#include <QPainter>

namespace dravik {
namespace {

QColor fillOf(WindingBuild::Kind kind) {
    switch (kind) {
    case WindingBuild::Kind::Ku: return palette::kKuWinding;
    case WindingBuild::Kind::Lv: return palette::kLvWinding;
    case WindingBuild::Kind::Hv: return palette::kHvWinding;
    }
    return palette::kLvWinding;
}

// A winding that did not fit is outlined and hatched in red; one whose
// radial size was not calculated has a dashed outline.
void paintWinding(QPainter& painter, const WindingShape& shape) {
    const bool misfit = !shape.fitsHeight || !shape.fitsWidth;
    for (const QRectF& r : {shape.phaseA, shape.phaseB}) {
        painter.fillRect(r, fillOf(shape.kind));
        if (misfit) painter.fillRect(r, QBrush(palette::kMisfit, Qt::BDiagPattern));
    }
    for (const QRectF& channel : shape.channels) painter.fillRect(channel, Qt::white);
    const QColor ink = misfit ? palette::kMisfit : QColor(Qt::black);
    painter.setPen(QPen(ink, misfit ? 1.6 : 1.0, shape.radialKnown ? Qt::SolidLine : Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(shape.phaseA);
    painter.drawRect(shape.phaseB);
}

}  // namespace

void paintCoreWindow(QPainter& painter, const QRectF& target, const CoreWindow& window) {
    const CoreWindowScene scene = layOutCoreWindow(window, target, textMeasure(painter));
    painter.save();
    painter.fillRect(scene.yoke, palette::kSteel);
    for (const QRectF& rod : scene.rods) painter.fillRect(rod, palette::kSteel);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(scene.yoke.bottomLeft(), scene.yoke.bottomRight());
    for (const QRectF& rod : scene.rods) painter.drawRect(rod);
    breakLine(painter, scene.yoke.left(), scene.yoke.right(), scene.yoke.top());
    if (scene.neighbourBand) {
        const QColor band = scene.neighbourWarning ? palette::kMisfit : QColor(Qt::gray);
        painter.fillRect(*scene.neighbourBand, QBrush(band, Qt::FDiagPattern));
        painter.setPen(QPen(band, 0.8, Qt::DashLine));
        painter.drawLine(scene.neighbourBand->topLeft(), scene.neighbourBand->bottomLeft());
        painter.drawLine(scene.neighbourBand->topRight(), scene.neighbourBand->bottomRight());
    }
    for (const WindingShape& shape : scene.windings) paintWinding(painter, shape);
    painter.setPen(QPen(Qt::darkGray, 0.8, Qt::DashLine));
    for (const QLineF& limit : scene.limits) painter.drawLine(limit);
    painter.restore();
    paintMarks(painter, scene.axes, scene.witnesses, scene.dimensions, scene.labels);
}

}  // namespace dravik
