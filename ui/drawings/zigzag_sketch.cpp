#include "drawings/zigzag_sketch.h"

#include "drawings/dimension_marks.h"
#include "drawings/palette.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace dravik {
namespace {

using palette::kSteel;
const QColor& kCoil = palette::kLvWinding;
const QColor& kPhasor = palette::kBlueArrow;
const QColor& kResult = palette::kRedArrow;

void terminal(QPainter& painter, QPointF at, const QString& name, QPointF labelOffset) {
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(at, 4, 4);
    painter.setBrush(Qt::NoBrush);
    painter.drawText(at + labelOffset, name);
}

}  // namespace

ZigzagSketch::ZigzagSketch(QWidget* parent) : QWidget(parent) { setMinimumSize(340, 220); }

void ZigzagSketch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    setDrawingFont(painter, 13);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(8, 4, width() - 16, 18), Qt::AlignHCenter,
                     QStringLiteral("Zigzag phase: turns of I + turns of II = LV turns"));
    // The picture below the title sits in the middle of what height is left.
    painter.translate(0, std::max(0.0, (height() - 200) / 2.0));

    // Two neighbouring rods, a half-winding on each; the start of each
    // half-winding is marked with a dot.
    const double rodTop = 52, rodHeight = 120, rodWidth = 16, coilWidth = 30;
    const double coilTop = rodTop + 22, coilHeight = rodHeight - 44;
    const std::array<double, 2> rodX{52, 140};
    const std::array<const char*, 2> rodNames{"A", "B"};
    const std::array<const char*, 2> halfNames{"II", "I"};
    setDrawingFont(painter, 13, false, true);
    for (int i = 0; i < 2; ++i) {
        const double x = rodX[i];
        painter.fillRect(QRectF(x - rodWidth / 2, rodTop, rodWidth, rodHeight), kSteel);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x - 5, rodTop + rodHeight + 16), QString::fromLatin1(rodNames[i]));
        const QRectF coil(x - coilWidth / 2, coilTop, coilWidth, coilHeight);
        painter.fillRect(coil, kCoil);
        painter.setPen(QPen(kCoil.darker(150), 1));
        painter.drawRect(coil);
        for (double y = coilTop + 6; y < coilTop + coilHeight; y += 8) {
            painter.drawLine(QPointF(coil.left(), y), QPointF(coil.right(), y + 3));
        }
        painter.setPen(Qt::black);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QPointF(coil.right() + 6, coilTop + 4), 2.5, 2.5);
        painter.setBrush(Qt::NoBrush);
        const QRectF name(x - 11, coilTop + coilHeight / 2 - 10, 22, 20);
        painter.fillRect(name, Qt::white);
        painter.drawText(name, Qt::AlignCenter, QString::fromLatin1(halfNames[i]));
    }

    // Phase terminal on the start of II; the ends of II and I joined, so I
    // counts reversed; the start of I goes to the star point.
    const double rightA = rodX[0] + coilWidth / 2, rightB = rodX[1] + coilWidth / 2;
    const double bottom = coilTop + coilHeight;
    painter.setPen(QPen(Qt::black, 1.3));
    painter.drawLine(QPointF(rightA, coilTop + 4), QPointF(rightA + 16, coilTop + 4));
    painter.drawLine(QPointF(rightA + 16, coilTop + 4), QPointF(rightA + 16, 30));
    terminal(painter, {rightA + 16, 26}, QStringLiteral("a"), {8, 4});
    painter.setPen(QPen(Qt::black, 1.3));
    painter.drawPolyline(QPolygonF{{rightA, bottom - 4}, {rightA + 16, bottom - 4}, {rightA + 16, bottom + 14},
                                   {rightB + 10, bottom + 14}, {rightB + 10, bottom - 4}, {rightB, bottom - 4}});
    painter.drawPolyline(QPolygonF{{rightB, coilTop + 4}, {rightB + 14, coilTop + 4}, {rightB + 14, 30}});
    terminal(painter, {rightB + 14, 26}, QStringLiteral("0"), {8, 4});

    // Phasor diagram: E II along the own rod's phase, E I 60° ahead of it,
    // the phase voltage their sum at β = 30° (equal halves).
    const QPointF origin(206, 176);
    const double half = 88;
    const double sixty = std::numbers::pi / 3;
    const QPointF tipII = origin + QPointF(half, 0);
    const QPointF tipI = tipII + QPointF(half * std::cos(sixty), -half * std::sin(sixty));
    filledArrow(painter, origin, tipII, kPhasor, 2);
    filledArrow(painter, tipII, tipI, kPhasor, 2);
    filledArrow(painter, origin, tipI, kResult, 2.2);
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawLine(tipII, tipII + QPointF(half * 0.55, 0));

    // The angle β between the phase voltage and E II.
    const double arcRadius = 46;
    painter.setPen(QPen(Qt::black, 1.2));
    painter.drawArc(QRectF(origin.x() - arcRadius, origin.y() - arcRadius, 2 * arcRadius, 2 * arcRadius), 0, 30 * 16);
    painter.drawArc(QRectF(tipII.x() - 22, tipII.y() - 22, 44, 44), 0, 60 * 16);

    setDrawingFont(painter, 14, false, true);
    painter.setPen(Qt::black);
    painter.drawText(origin + QPointF(arcRadius + 4, -8), QStringLiteral("β"));
    painter.drawText(tipII + QPointF(26, -5), QStringLiteral("60°"));  // beside the arc, clear of E I
    painter.setPen(kPhasor);
    painter.drawText(QPointF(origin.x() + half / 2 - 14, origin.y() + 18), QStringLiteral("E II"));
    painter.drawText(tipII + QPointF(half * 0.25 + 10, -half * 0.43 + 10), QStringLiteral("E I"));
    painter.setPen(kResult);
    painter.drawText(QPointF(origin.x() + 20, origin.y() - 60), QStringLiteral("Uф"));

}

}  // namespace dravik
