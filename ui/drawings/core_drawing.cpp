#include "drawings/core_drawing.h"

#include "drawings/core_views_picture.h"
#include "drawings/dimension_marks.h"
#include "drawings/palette.h"
#include "drawings/scene_painting.h"

#include <QPainter>

namespace dravik {

namespace {

// The explanatory picture is drawn for this area.
constexpr QSize kExplanationSize{300, 340};

}  // namespace

CoreDrawing::CoreDrawing(QWidget* parent) : QWidget(parent) {
    setMinimumSize(kExplanationSize * kSmallestPictureScale);
}

void CoreDrawing::showCore(std::optional<CoreViews> core) {
    core_ = std::move(core);
    update();
}

void CoreDrawing::paintEvent(QPaintEvent*) {
    DesignPicture design;
    if (core_) design = [this](QPainter& painter, const QRectF& area) { paintCoreViews(painter, area, *core_); };
    paintDesignOrExplanation(
        *this, design, [this](QPainter& painter) { paintExplanation(painter); }, kExplanationSize);
}

void CoreDrawing::paintExplanation(QPainter& painter) {
    setDrawingFont(painter, 13);

    const QColor& steel = palette::kSteel;
    const QColor coil(214, 150, 90);
    const double left = 30, rodWidth = 26, pitch = 90, yokeHeight = 24;
    const double top = 20, windowHeight = 130;

    // Front view: two yokes and three rods, a coil on each rod.
    painter.setPen(Qt::black);
    const double coreWidth = 2 * pitch + rodWidth;
    painter.fillRect(QRectF(left, top, coreWidth, yokeHeight), steel);
    painter.fillRect(QRectF(left, top + yokeHeight + windowHeight, coreWidth, yokeHeight), steel);
    for (int rod = 0; rod < 3; ++rod) {
        const double x = left + rod * pitch;
        painter.fillRect(QRectF(x, top + yokeHeight, rodWidth, windowHeight), steel);
        painter.fillRect(QRectF(x - 18, top + yokeHeight + 12, 18, windowHeight - 24), coil);
        painter.fillRect(QRectF(x + rodWidth, top + yokeHeight + 12, 18, windowHeight - 24), coil);
    }
    painter.drawRect(QRectF(left, top, coreWidth, 2 * yokeHeight + windowHeight));
    // lс in the second window, Cос in the first, so that their labels stay apart.
    dimensionLine(painter, {left + 2 * pitch - 30, top + yokeHeight},
                  {left + 2 * pitch - 30, top + yokeHeight + windowHeight}, QStringLiteral("lс"),
                  {left + 2 * pitch - 52, top + yokeHeight + windowHeight / 2});
    dimensionLine(painter, {left + coreWidth + 10, top + yokeHeight + 12},
              {left + coreWidth + 10, top + yokeHeight + windowHeight - 12}, QStringLiteral("hс"),
              {left + coreWidth + 14, top + yokeHeight + windowHeight / 2});
    dimensionLine(painter, {left + rodWidth + 18, top + yokeHeight + windowHeight / 2 + 30},
              {left + pitch - 18, top + yokeHeight + windowHeight / 2 + 30}, QStringLiteral("Cос"),
              {left + rodWidth + 24, top + yokeHeight + windowHeight / 2 + 24});

    // Top view: the three rod circles on their axes.
    const double planTop = top + 2 * yokeHeight + windowHeight + 40;
    const double circle = 40;
    for (int rod = 0; rod < 3; ++rod) {
        const double cx = left + rodWidth / 2 + rod * pitch;
        painter.setPen(QPen(coil, 3));
        painter.drawEllipse(QPointF(cx, planTop + circle / 2), circle / 2 + 8, circle / 2 + 8);
        painter.setPen(Qt::black);
        painter.drawEllipse(QPointF(cx, planTop + circle / 2), circle / 2, circle / 2);
        painter.fillRect(QRectF(cx - rodWidth / 2, planTop + 6, rodWidth, circle - 12), steel);
    }
    painter.setPen(Qt::black);
    dimensionLine(painter, {left + rodWidth / 2, planTop + circle + 22}, {left + rodWidth / 2 + pitch, planTop + circle + 22},
              QStringLiteral("C"), {left + rodWidth / 2 + pitch / 2, planTop + circle + 36});
    dimensionLine(painter, {left, planTop + circle + 48}, {left + coreWidth, planTop + circle + 48}, QStringLiteral("l0"),
              {left + coreWidth / 2, planTop + circle + 62});
    dimensionLine(painter, {left + 2 * pitch + rodWidth + 16, planTop + 6}, {left + 2 * pitch + rodWidth + 16, planTop + circle - 6},
              QStringLiteral("a"), {left + 2 * pitch + rodWidth + 22, planTop + circle / 2 + 4});
    painter.drawText(QPointF(left + pitch + rodWidth / 2 - 4, planTop - 14), QStringLiteral("D"));
}

}  // namespace dravik
