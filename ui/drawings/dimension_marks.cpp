#include "drawings/dimension_marks.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace dravik {
namespace {

void arrowHead(QPainter& painter, QPointF tip, QPointF unit) {
    const QPointF normal(-unit.y(), unit.x());
    constexpr double length = 6.0;
    constexpr double halfWidth = 2.2;
    painter.drawPolygon(QPolygonF{tip, tip - unit * length + normal * halfWidth, tip - unit * length - normal * halfWidth});
}

}  // namespace

void dimensionArrows(QPainter& painter, QPointF from, QPointF to, const QColor& colour) {
    painter.save();
    painter.setPen(QPen(colour, 0.9));
    painter.setBrush(colour);
    painter.drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length > 1.0) {
        const QPointF unit = d / length;
        arrowHead(painter, to, unit);
        arrowHead(painter, from, -unit);
    }
    painter.restore();
}

void dimensionLine(QPainter& painter, QPointF from, QPointF to, const QString& label, QPointF labelAt) {
    dimensionArrows(painter, from, to, Qt::black);
    painter.save();
    painter.setPen(Qt::black);
    painter.drawText(labelAt, label);
    painter.restore();
}

void breakLine(QPainter& painter, double left, double right, double y) {
    QPainterPath path(QPointF(left, y));
    const double mid = (left + right) / 2;
    path.lineTo(mid - 6, y);
    path.lineTo(mid - 2, y - 6);
    path.lineTo(mid + 2, y + 6);
    path.lineTo(mid + 6, y);
    path.lineTo(right, y);
    painter.save();
    painter.setPen(QPen(Qt::black, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

void outsideDimension(QPainter& painter, QPointF from, QPointF to, double outside, const QString& label,
                      QPointF labelAt) {
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length < 0.5) return;
    const QPointF unit = d / length;
    painter.save();
    painter.setPen(QPen(Qt::black, 0.9));
    painter.setBrush(Qt::black);
    painter.drawLine(from - unit * outside, from);
    painter.drawLine(to, to + unit * outside);
    arrowHead(painter, from, unit);
    arrowHead(painter, to, -unit);
    painter.drawText(labelAt, label);
    painter.restore();
}

void witnessLine(QPainter& painter, QPointF from, QPointF to) {
    painter.save();
    painter.setPen(QPen(Qt::darkGray, 0.7));
    painter.drawLine(from, to);
    painter.restore();
}

void setDrawingFont(QPainter& painter, int pixels, bool italic, bool bold) {
    QFont font = painter.font();
    font.setPixelSize(pixels);
    font.setItalic(italic);
    font.setBold(bold);
    painter.setFont(font);
}

void filledArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, double width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length < 1) return;
    const QPointF unit = d / length;
    const QPointF normal(-unit.y(), unit.x());
    const double head = 4 + 2.5 * width;
    painter.drawLine(from, to - unit * head * 0.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF{to, to - unit * head + normal * head * 0.45, to - unit * head - normal * head * 0.45});
    painter.setBrush(Qt::NoBrush);
}

}  // namespace dravik
