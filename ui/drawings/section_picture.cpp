#include "drawings/section_picture.h"

#include "drawings/palette.h"
#include "drawings/scene_painting.h"

#include <QPainter>

namespace dravik {

void paintPackets(QPainter& painter, const std::vector<PacketRect>& packets) {
    painter.save();
    for (const PacketRect& p : packets) {
        // Lighter at the centre, deeper outwards, as the packets step down.
        painter.fillRect(p.rect, QColor::fromHsv(210, 40 + 22 * p.packet, 235 - 11 * p.packet));
        painter.setPen(QPen(p.outsideCircle ? palette::kMisfit : QColor(Qt::black), p.outsideCircle ? 1.6 : 0.9));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(p.rect);
    }
    painter.restore();
}

void paintSection(QPainter& painter, const QRectF& target, const SteppedSection& section,
                  const SectionLetters& letters) {
    const SectionScene scene = layOutSection(section, target, letters, textMeasure(painter));
    paintPackets(painter, scene.packets);
    painter.save();
    painter.setPen(QPen(Qt::darkGray, 1.0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(scene.centre, scene.radius, scene.radius);
    painter.drawLine(scene.diagonal);
    painter.restore();
    paintMarks(painter, {}, scene.witnesses, {scene.stack}, scene.labels);
}

}  // namespace dravik
