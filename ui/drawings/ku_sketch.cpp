#include "drawings/ku_sketch.h"

#include "drawings/dimension_marks.h"
#include "drawings/palette.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

namespace dravik {
namespace {

using palette::kSteel;
const QColor kKu(70, 160, 80);
const QColor& kLv = palette::kLvWinding;
const QColor kHv(160, 130, 200);
const QColor& kZeroFlux = palette::kRedArrow;
const QColor& kKuFlux = palette::kBlueArrow;

void swatch(QPainter& painter, QPointF at, const QColor& colour, const QString& label) {
    painter.setPen(Qt::black);
    painter.fillRect(QRectF(at.x(), at.y() - 10, 16, 12), colour);
    painter.drawRect(QRectF(at.x(), at.y() - 10, 16, 12));
    painter.drawText(at + QPointF(22, 0), label);
}

// Radial build of one side of a rod, steel outwards (pixels): gap, KU, gap,
// LV, gap, HV.
struct Build {
    double gapKu = 3, ku = 8, gapLv = 3, lv = 14, gapHv = 5, hv = 18;
    double total() const { return gapKu + ku + gapLv + lv + gapHv + hv; }
};

}  // namespace

KuCoreSketch::KuCoreSketch(QWidget* parent) : QWidget(parent) { setMinimumSize(440, 480); }

void KuCoreSketch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);

    const Build build;
    const double rodWidth = 28, betweenCoils = 14, yokeHeight = 26;
    const double pitch = rodWidth + 2 * build.total() + betweenCoils;
    const double coreWidth = 2 * pitch + rodWidth;
    const double left = (width() - coreWidth) / 2;
    const double top = 56;
    const double legendHeight = 128;
    const double windowHeight = height() - top - 2 * yokeHeight - legendHeight - 20;
    const double windowTop = top + yokeHeight;
    const double windowBottom = windowTop + windowHeight;

    setDrawingFont(painter, 14, false, true);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 4, width(), 20), Qt::AlignHCenter, QStringLiteral("Core section: KU, LV and HV on each rod"));

    // The tank wall, where the zero-sequence flux finds its way back.
    painter.setPen(QPen(Qt::darkGray, 3));
    const QRectF tank(6, 30, width() - 12, windowHeight + 2 * yokeHeight + 46);
    painter.drawLine(tank.topLeft(), tank.bottomLeft());
    painter.drawLine(tank.topRight(), tank.bottomRight());
    setDrawingFont(painter, 12);
    painter.setPen(Qt::darkGray);
    painter.drawText(QPointF(tank.left() + 6, tank.bottom() - 4), QStringLiteral("tank"));

    // Yokes and rods.
    painter.fillRect(QRectF(left, top, coreWidth, yokeHeight), kSteel);
    painter.fillRect(QRectF(left, windowBottom, coreWidth, yokeHeight), kSteel);
    for (int rod = 0; rod < 3; ++rod) {
        painter.fillRect(QRectF(left + rod * pitch, windowTop, rodWidth, windowHeight), kSteel);
    }
    painter.setPen(QPen(Qt::black, 1));
    QPainterPath outline;
    outline.addRect(QRectF(left, top, coreWidth, 2 * yokeHeight + windowHeight));
    for (int gap = 0; gap < 2; ++gap) {
        outline.addRect(QRectF(left + rodWidth + gap * pitch, windowTop, pitch - rodWidth, windowHeight));
    }
    painter.drawPath(outline);

    // The windings on both sides of each rod, innermost first.
    const std::array<std::pair<double, double>, 3> layers{{
        {build.gapKu, build.ku},
        {build.gapKu + build.ku + build.gapLv, build.lv},
        {build.gapKu + build.ku + build.gapLv + build.lv + build.gapHv, build.hv},
    }};
    const std::array<QColor, 3> colours{kKu, kLv, kHv};
    const std::array<double, 3> axialMargin{8, 12, 16};
    for (int rod = 0; rod < 3; ++rod) {
        const double rodLeft = left + rod * pitch;
        for (int w = 0; w < 3; ++w) {
            const auto [offset, thickness] = layers[w];
            const double y = windowTop + axialMargin[w];
            const double h = windowHeight - 2 * axialMargin[w];
            for (const double x : {rodLeft - offset - thickness, rodLeft + rodWidth + offset}) {
                const QRectF coil(x, y, thickness, h);
                painter.fillRect(coil, colours[w]);
                painter.setPen(QPen(colours[w].darker(140), 1));
                painter.drawRect(coil);
            }
        }
    }
    const double labelY = windowTop + windowHeight / 2;

    // Φ0 points up in every rod; the KU flux points down against it.
    const double arrowTop = windowTop + 30, arrowBottom = windowBottom - 30;
    for (int rod = 0; rod < 3; ++rod) {
        const double cx = left + rod * pitch + rodWidth / 2;
        filledArrow(painter, {cx - 6, arrowBottom}, {cx - 6, arrowTop}, kZeroFlux, 3);
        filledArrow(painter, {cx + 6, arrowTop + 40}, {cx + 6, arrowBottom - 40}, kKuFlux, 2);
    }
    setDrawingFont(painter, 14, false, true);
    painter.setPen(kZeroFlux);
    painter.drawText(QPointF(left + pitch + rodWidth / 2 - 10, labelY - windowHeight / 2 + 22), QStringLiteral("Φ0"));

    // With nowhere to close inside the core, Φ0 returns outside it.
    QPen returnPen(kZeroFlux, 1.6, Qt::DashLine);
    for (const int side : {-1, 1}) {
        const double yokeX = side < 0 ? left + 40 : left + coreWidth - 40;
        const double outerX = side < 0 ? tank.left() + 10 : tank.right() - 10;
        QPainterPath path;
        path.moveTo(yokeX, top);
        path.cubicTo(yokeX, top - 22, outerX, top - 22, outerX, top + 20);
        path.lineTo(outerX, windowBottom + yokeHeight - 20);
        path.cubicTo(outerX, windowBottom + yokeHeight + 22, yokeX, windowBottom + yokeHeight + 22, yokeX,
                     windowBottom + yokeHeight);
        painter.setPen(returnPen);
        painter.drawPath(path);
        filledArrow(painter, {outerX, labelY - 20}, {outerX, labelY + 10}, kZeroFlux, 1.6);
    }

    // Legend.
    const double legendTop = height() - legendHeight;
    setDrawingFont(painter, 13);
    swatch(painter, {20, legendTop + 12}, kKu, QStringLiteral("KU winding"));
    swatch(painter, {150, legendTop + 12}, kLv, QStringLiteral("LV winding"));
    swatch(painter, {280, legendTop + 12}, kHv, QStringLiteral("HV winding"));
    filledArrow(painter, {20, legendTop + 40}, {48, legendTop + 40}, kZeroFlux, 3);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(56, legendTop + 26, width() - 66, 50), Qt::TextWordWrap,
                     QStringLiteral("Φ0: zero-sequence flux of an unbalanced LV load. It has the same direction in "
                                    "all three rods and closes outside the core, through oil and tank."));
    filledArrow(painter, {20, legendTop + 90}, {48, legendTop + 90}, kKuFlux, 2);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(56, legendTop + 80, width() - 66, 40), Qt::TextWordWrap,
                     QStringLiteral("Flux of the KU current, against Φ0: the zero-sequence flux is suppressed."));
}

KuRodSketch::KuRodSketch(QWidget* parent) : QWidget(parent) { setMinimumSize(320, 480); }

void KuRodSketch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    setDrawingFont(painter, 14, false, true);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 4, width(), 20), Qt::AlignHCenter, QStringLiteral("One rod from above"));

    // Plan of a rod: the stepped steel section in its circle, then the rings.
    const QPointF c(width() / 2.0 - 30, 112);
    const double rRod = 32;
    painter.setPen(QPen(Qt::black, 1));
    for (const double halfWidth : {0.93, 0.78, 0.55}) {
        const double halfHeight = std::sqrt(1 - halfWidth * halfWidth) * rRod;
        painter.fillRect(QRectF(c.x() - halfWidth * rRod, c.y() - halfHeight, 2 * halfWidth * rRod, 2 * halfHeight), kSteel);
    }
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.drawEllipse(c, rRod, rRod);

    struct Ring {
        double inner, outer;
        QColor colour;
        const char* name;
    };
    const std::array<Ring, 3> rings{{
        {rRod + 6, rRod + 13, kKu, "KU"},
        {rRod + 16, rRod + 30, kLv, "LV"},
        {rRod + 36, rRod + 56, kHv, "HV"},
    }};
    for (const Ring& ring : rings) {
        QPainterPath path;
        path.addEllipse(c, ring.outer, ring.outer);
        path.addEllipse(c, ring.inner, ring.inner);
        painter.setPen(QPen(ring.colour.darker(140), 1));
        painter.setBrush(ring.colour);
        painter.drawPath(path);
    }
    painter.setBrush(Qt::NoBrush);
    setDrawingFont(painter, 12, false, true);
    for (int i = 0; i < 3; ++i) {
        const Ring& ring = rings[i];
        const double mid = (ring.inner + ring.outer) / 2;
        const double angle = -0.45 + 0.22 * i;
        const QPointF on(c.x() + mid * std::cos(angle), c.y() + mid * std::sin(angle));
        const QPointF label(c.x() + rRod + 76, c.y() - 50 + 22 * i);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::black);
        painter.drawEllipse(on, 2, 2);
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(on, label - QPointF(4, 4));
        painter.drawText(label, QString::fromLatin1(ring.name));
    }
    painter.drawText(c + QPointF(-5, 5), QStringLiteral("D"));

    // The KU's two diameters as dimension lines under the plan.
    setDrawingFont(painter, 12);
    const double hvOuter = rings[2].outer;
    auto diameter = [&](double radius, double y, const QString& label) {
        painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
        painter.drawLine(QPointF(c.x() - radius, c.y()), QPointF(c.x() - radius, y + 4));
        painter.drawLine(QPointF(c.x() + radius, c.y()), QPointF(c.x() + radius, y + 4));
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(QPointF(c.x() - radius, y), QPointF(c.x() + radius, y));
        for (const double x : {c.x() - radius, c.x() + radius}) painter.drawLine(QPointF(x - 3, y + 3), QPointF(x + 3, y - 3));
        painter.drawText(QPointF(c.x() + hvOuter + 6, y + 4), label);
    };
    diameter(rings[0].inner, c.y() + hvOuter + 12, QStringLiteral("KU inner D"));
    diameter(rings[0].outer, c.y() + hvOuter + 28, QStringLiteral("KU outer D"));

    // The connection: the LV star, and the KU coils of the three rods in
    // series between its star point and the neutral terminal.
    const double schemeTop = 252;
    setDrawingFont(painter, 14, false, true);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, schemeTop, width(), 20), Qt::AlignHCenter, QStringLiteral("KU in the neutral lead"));
    setDrawingFont(painter, 12, false, true);
    const double coilTop = schemeTop + 58, coilHeight = 40, starY = coilTop + coilHeight + 16;
    const std::array<const char*, 3> phases{"a", "b", "c"};
    for (int i = 0; i < 3; ++i) {
        const double x = 34 + 40 * i;
        painter.setPen(QPen(Qt::black, 1.2));
        painter.drawLine(QPointF(x, coilTop - 14), QPointF(x, starY));
        painter.fillRect(QRectF(x - 7, coilTop, 14, coilHeight), kLv);
        painter.drawRect(QRectF(x - 7, coilTop, 14, coilHeight));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(x, coilTop - 18), 4, 4);
        painter.setBrush(Qt::NoBrush);
        painter.drawText(QPointF(x - 4, coilTop - 26), QString::fromLatin1(phases[i]));
    }
    painter.drawLine(QPointF(34, starY), QPointF(114, starY));
    const double leadY = starY + 30;
    painter.drawLine(QPointF(114, starY), QPointF(114, leadY));
    const std::array<const char*, 3> rods{"A", "B", "C"};
    double x = 114;
    for (int i = 0; i < 3; ++i) {
        painter.setPen(QPen(Qt::black, 1.2));
        painter.drawLine(QPointF(x, leadY), QPointF(x + 16, leadY));
        x += 16;
        const QRectF coil(x, leadY - 7, 36, 14);
        painter.fillRect(coil, kKu);
        painter.drawRect(coil);
        painter.drawText(QPointF(x + 13, leadY - 12), QString::fromLatin1(rods[i]));
        x += 36;
    }
    painter.drawLine(QPointF(x, leadY), QPointF(x + 22, leadY));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(x + 26, leadY), 4, 4);
    painter.setBrush(Qt::NoBrush);
    painter.drawText(QPointF(x + 34, leadY + 5), QStringLiteral("0"));
    filledArrow(painter, {150, leadY + 22}, {220, leadY + 22}, kKuFlux, 1.6);
    painter.setPen(kKuFlux);
    painter.drawText(QPointF(226, leadY + 27), QStringLiteral("Iку = 3·I0"));

    setDrawingFont(painter, 12);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(12, leadY + 38, width() - 24, height() - leadY - 40), Qt::TextWordWrap,
                     QStringLiteral("The neutral current of the unbalanced load flows through the KU coils of all "
                                    "three rods. Each has a third of the LV turns, so it cancels the zero-sequence "
                                    "ampere-turns of its LV phase."));
}

}  // namespace dravik
