#include "drawings/core_views_picture.h"

#include "drawings/palette.h"
#include "drawings/scene_painting.h"
#include "drawings/section_picture.h"

#include <QPainter>

namespace dravik {

void paintCoreViews(QPainter& painter, const QRectF& target, const CoreViews& core) {
    const CoreViewsScene scene = layOutCoreViews(core, target, textMeasure(painter));
    painter.save();
    for (const QRectF& steel : scene.steel) painter.fillRect(steel, palette::kSteel);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(scene.front);
    for (const QRectF& steel : scene.steel) painter.drawRect(steel);
    for (const RodPlan& rod : scene.plan) {
        paintPackets(painter, rod.packets);
        painter.setPen(QPen(Qt::darkGray, 0.9, Qt::DashLine));
        painter.drawEllipse(rod.centre, rod.radius, rod.radius);
    }
    painter.restore();
    paintMarks(painter, scene.axes, scene.witnesses, scene.dimensions, scene.labels);
}

}  // namespace dravik
