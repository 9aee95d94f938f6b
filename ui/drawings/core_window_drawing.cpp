#include "drawings/core_window_drawing.h"

#include "drawings/core_window_picture.h"
#include "drawings/dimension_marks.h"
#include "drawings/palette.h"
#include "drawings/scene_painting.h"

#include <QPainter>

namespace dravik {
namespace {

using palette::kSteel;
const QColor& kLv = palette::kLvWinding;
const QColor& kHv = palette::kHvWinding;
const QColor kBoard(120, 90, 50);

// Horizontal positions across the window, in pixels, rod face outwards.
struct Across {
    double rodFace = 64;
    double a01 = 26;
    double a1 = 52;
    double a12 = 30;
    double a2 = 62;
    double a22 = 38;
    double lvIn() const { return rodFace + a01; }
    double lvOut() const { return lvIn() + a1; }
    double hvIn() const { return lvOut() + a12; }
    double hvOut() const { return hvIn() + a2; }
    double nextHvIn() const { return hvOut() + a22; }
};

// Heights along the rod, in pixels from the top of the drawing.
struct Along {
    double yokeTop = 12;
    double yokeFace = 52;
    double washer = 4;        // δsh
    double l01 = 34;
    double l02 = 52;
    double lc1 = 18;
    double lc2 = 22;
    double cut = 262;         // the drawing is broken off here
    double lvTop() const { return yokeFace + l01; }
    double hvTop() const { return yokeFace + l02; }
};

void board(QPainter& painter, const QRectF& area) { painter.fillRect(area, kBoard); }

// The explanatory picture is drawn for this area.
constexpr QSize kExplanationSize{460, 320};

}  // namespace

CoreWindowDrawing::CoreWindowDrawing(QWidget* parent) : QWidget(parent) {
    setMinimumSize(kExplanationSize * kSmallestPictureScale);
}

void CoreWindowDrawing::showWindow(std::optional<CoreWindow> window) {
    window_ = std::move(window);
    update();
}

void CoreWindowDrawing::paintEvent(QPaintEvent*) {
    DesignPicture design;
    if (window_) design = [this](QPainter& painter, const QRectF& area) { paintCoreWindow(painter, area, *window_); };
    paintDesignOrExplanation(
        *this, design, [this](QPainter& painter) { paintExplanation(painter); }, kExplanationSize);
}

void CoreWindowDrawing::paintExplanation(QPainter& painter) {
    const Across x;
    const Along y;
    const double right = x.nextHvIn() + x.a2 * 0.7;

    // Steel: the yoke across the top and the rod down the left side.
    painter.fillRect(QRectF(8, y.yokeTop, right - 8, y.yokeFace - y.yokeTop), kSteel);
    painter.fillRect(QRectF(8, y.yokeFace, x.rodFace - 8, y.cut - y.yokeFace), kSteel);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(QPointF(x.rodFace, y.yokeFace), QPointF(right, y.yokeFace));
    painter.drawLine(QPointF(x.rodFace, y.yokeFace), QPointF(x.rodFace, y.cut));
    setDrawingFont(painter, 12);
    painter.drawText(QPointF(right - 60, y.yokeTop + 26), QStringLiteral("yoke"));
    painter.save();
    painter.translate(30, y.cut - 20);
    painter.rotate(-90);
    painter.drawText(QPointF(0, 0), QStringLiteral("rod"));
    painter.restore();

    // Washer under the yoke.
    board(painter, QRectF(x.lvIn() - 8, y.yokeFace, right - x.lvIn() + 8, y.washer));

    // Windings: LV of phase A, HV of phases A and B.
    painter.setPen(QPen(Qt::black, 1.0));
    painter.fillRect(QRectF(x.lvIn(), y.lvTop(), x.a1, y.cut - y.lvTop()), kLv);
    painter.drawRect(QRectF(x.lvIn(), y.lvTop(), x.a1, y.cut - y.lvTop()));
    painter.fillRect(QRectF(x.hvIn(), y.hvTop(), x.a2, y.cut - y.hvTop()), kHv);
    painter.drawRect(QRectF(x.hvIn(), y.hvTop(), x.a2, y.cut - y.hvTop()));
    painter.fillRect(QRectF(x.nextHvIn(), y.hvTop(), right - x.nextHvIn(), y.cut - y.hvTop()), kHv);
    painter.drawRect(QRectF(x.nextHvIn(), y.hvTop(), right - x.nextHvIn(), y.cut - y.hvTop()));
    painter.drawText(QPointF(x.lvIn() + 12, y.cut - 30), QStringLiteral("LV A"));
    painter.drawText(QPointF(x.hvIn() + 14, y.cut - 30), QStringLiteral("HV A"));
    painter.drawText(QPointF(x.nextHvIn() + 6, y.cut - 30), QStringLiteral("HV B"));

    // Insulating cylinders standing out beyond the windings, and the
    // barrier between the phases.
    const double cylinder1 = x.rodFace + x.a01 / 2 - 2;
    const double cylinder2 = x.lvOut() + x.a12 / 2 - 2;
    const double barrier = x.hvOut() + x.a22 / 2 - 2;
    board(painter, QRectF(cylinder1, y.lvTop() - y.lc1, 4, y.cut - y.lvTop() + y.lc1));
    board(painter, QRectF(cylinder2, y.hvTop() - y.lc2, 4, y.cut - y.hvTop() + y.lc2));
    board(painter, QRectF(barrier, y.yokeFace + y.washer, 4, y.cut - y.yokeFace - y.washer));
    breakLine(painter, 8, right, y.cut);

    setDrawingFont(painter, 13, true);
    // Across the window, one chain of sizes below the break.
    const double chain = y.cut + 20;
    for (double at : {x.rodFace, x.lvIn(), x.lvOut(), x.hvIn(), x.hvOut(), x.nextHvIn()}) {
        witnessLine(painter, QPointF(at, y.cut), QPointF(at, chain + 6));
    }
    dimensionLine(painter, QPointF(x.rodFace, chain), QPointF(x.lvIn(), chain), QStringLiteral("a01"),
                  QPointF(x.rodFace + 2, chain + 17));
    dimensionLine(painter, QPointF(x.lvIn(), chain), QPointF(x.lvOut(), chain), QStringLiteral("a1"),
                  QPointF(x.lvIn() + x.a1 / 2 - 6, chain - 5));
    dimensionLine(painter, QPointF(x.lvOut(), chain), QPointF(x.hvIn(), chain), QStringLiteral("a12"),
                  QPointF(x.lvOut() + 4, chain + 17));
    dimensionLine(painter, QPointF(x.hvIn(), chain), QPointF(x.hvOut(), chain), QStringLiteral("a2"),
                  QPointF(x.hvIn() + x.a2 / 2 - 6, chain - 5));
    dimensionLine(painter, QPointF(x.hvOut(), chain), QPointF(x.nextHvIn(), chain), QStringLiteral("a22"),
                  QPointF(x.hvOut() + 8, chain + 17));

    // The thin boards, named beside them with a short leader.
    const auto leader = [&](QPointF from, const QString& name, QPointF at) {
        witnessLine(painter, from, at);
        painter.drawText(at + QPointF(-22, 4), name);
    };
    const double boardNames = y.cut - 90;
    leader(QPointF(cylinder1, boardNames - 10), QStringLiteral("δ01"), QPointF(x.rodFace - 10, boardNames));
    leader(QPointF(cylinder2, boardNames - 10), QStringLiteral("δ12"), QPointF(x.lvOut() - 4, boardNames));
    leader(QPointF(barrier, boardNames - 10), QStringLiteral("δ22"), QPointF(x.hvOut() - 4, boardNames));

    // Along the rod: the distances to the yoke and the cylinders' overhang.
    const double l01At = x.lvIn() + x.a1 * 0.7;
    dimensionLine(painter, QPointF(l01At, y.yokeFace + y.washer), QPointF(l01At, y.lvTop()), QStringLiteral("l01"),
                  QPointF(l01At + 4, y.yokeFace + y.l01 / 2 + 8));
    witnessLine(painter, QPointF(cylinder1, y.lvTop() - y.lc1), QPointF(cylinder1 - 14, y.lvTop() - y.lc1));
    witnessLine(painter, QPointF(x.lvIn(), y.lvTop()), QPointF(cylinder1 - 14, y.lvTop()));
    dimensionLine(painter, QPointF(cylinder1 - 10, y.lvTop() - y.lc1), QPointF(cylinder1 - 10, y.lvTop()),
                  QStringLiteral("lc1"), QPointF(x.rodFace - 24, y.lvTop() - 4));
    const double l02At = x.hvIn() + x.a2 * 0.72;
    dimensionLine(painter, QPointF(l02At, y.yokeFace + y.washer), QPointF(l02At, y.hvTop()), QStringLiteral("l02"),
                  QPointF(l02At + 4, y.yokeFace + y.l02 / 2 + 8));
    witnessLine(painter, QPointF(cylinder2, y.hvTop() - y.lc2), QPointF(cylinder2 - 12, y.hvTop() - y.lc2));
    witnessLine(painter, QPointF(x.hvIn(), y.hvTop()), QPointF(cylinder2 - 12, y.hvTop()));
    dimensionLine(painter, QPointF(cylinder2 - 8, y.hvTop() - y.lc2), QPointF(cylinder2 - 8, y.hvTop()),
                  QStringLiteral("lc2"), QPointF(x.lvOut() - 22, y.hvTop() - 2));
    witnessLine(painter, QPointF(right - 30, y.yokeFace + y.washer), QPointF(right + 14, y.yokeFace + y.washer));
    outsideDimension(painter, QPointF(right + 8, y.yokeFace), QPointF(right + 8, y.yokeFace + y.washer), 12,
                     QStringLiteral("δsh"), QPointF(right + 12, y.yokeFace + y.washer + 24));
}

}  // namespace dravik
