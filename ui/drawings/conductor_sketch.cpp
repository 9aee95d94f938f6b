#include "drawings/conductor_sketch.h"

#include "drawings/dimension_marks.h"
#include "drawings/palette.h"

#include <QPainter>

namespace dravik {
namespace {

using palette::kCopper;
using palette::kPaper;

}  // namespace

ConductorSketch::ConductorSketch(QWidget* parent) : QWidget(parent) { setMinimumSize(220, 170); }

void ConductorSketch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);

    constexpr double delta = 12;
    const QRectF metal(40, 36, 120, 64);
    const QRectF insulated = metal.adjusted(-delta, -delta, delta, delta);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(insulated, 6, 6);
    painter.setBrush(kCopper);
    painter.drawRoundedRect(metal, 2, 2);
    painter.setBrush(Qt::NoBrush);

    setDrawingFont(painter, 14, true);
    // a across the bottom, b up the right side, δ at the top.
    witnessLine(painter, metal.bottomLeft(), metal.bottomLeft() + QPointF(0, delta + 28));
    witnessLine(painter, metal.bottomRight(), metal.bottomRight() + QPointF(0, delta + 28));
    const double aLine = metal.bottom() + delta + 22;
    dimensionLine(painter, QPointF(metal.left(), aLine), QPointF(metal.right(), aLine), QStringLiteral("a"),
                  QPointF(metal.center().x() - 4, aLine - 4));
    witnessLine(painter, metal.topRight(), metal.topRight() + QPointF(delta + 28, 0));
    witnessLine(painter, metal.bottomRight(), metal.bottomRight() + QPointF(delta + 28, 0));
    const double bLine = metal.right() + delta + 22;
    dimensionLine(painter, QPointF(bLine, metal.top()), QPointF(bLine, metal.bottom()), QStringLiteral("b"),
                  QPointF(bLine + 5, metal.center().y() + 5));
    const double deltaAt = metal.left() + 24;
    outsideDimension(painter, QPointF(deltaAt, insulated.top()), QPointF(deltaAt, metal.top()), 14,
                     QStringLiteral("δ"), QPointF(deltaAt + 8, insulated.top() - 6));
}

}  // namespace dravik
