#include "drawings/conductor_layout_drawing.h"

#include "drawings/dimension_marks.h"
#include "drawings/palette.h"
#include "drawings/scene_painting.h"

#include <QPainter>

namespace dravik {
namespace {

using palette::kCopper;
using palette::kPaper;

// One conductor: the paper covering round the bare metal.
void conductor(QPainter& painter, const QRectF& insulated, double insulation) {
    painter.setPen(QPen(Qt::black, 0.8));
    painter.setBrush(kPaper);
    painter.drawRect(insulated);
    painter.setBrush(kCopper);
    painter.drawRect(insulated.adjusted(insulation, insulation, -insulation, -insulation));
    painter.setBrush(Qt::NoBrush);
}

// The picture is drawn for this area.
constexpr QSize kPictureSize{430, 330};

}  // namespace

ConductorLayoutDrawing::ConductorLayoutDrawing(QWidget* parent) : QWidget(parent) {
    setMinimumSize(kPictureSize * kSmallestPictureScale);
}

void ConductorLayoutDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    fitPicture(painter, size(), kPictureSize);
    constexpr double insulation = 3.0;
    const double captionY = 22;

    setDrawingFont(painter, 13);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(18, captionY), QStringLiteral("Flat"));
    painter.drawText(QPointF(132, captionY), QStringLiteral("On edge"));
    painter.drawText(QPointF(252, captionY), QStringLiteral("Parallel conductors"));

    // The rod axis runs up the page. Laid flat: side b lies across the
    // winding, a along the axis.
    const QRectF flat(22, 120, 80, 30);
    conductor(painter, flat, insulation);
    setDrawingFont(painter, 14, true);
    const QRectF flatMetal = flat.adjusted(insulation, insulation, -insulation, -insulation);
    witnessLine(painter, flatMetal.bottomLeft(), flatMetal.bottomLeft() + QPointF(0, 30));
    witnessLine(painter, flatMetal.bottomRight(), flatMetal.bottomRight() + QPointF(0, 30));
    dimensionLine(painter, flatMetal.bottomLeft() + QPointF(0, 24), flatMetal.bottomRight() + QPointF(0, 24),
                  QStringLiteral("b"), QPointF(flat.center().x() - 4, flatMetal.bottom() + 40));
    witnessLine(painter, flatMetal.topRight(), flatMetal.topRight() + QPointF(16, 0));
    witnessLine(painter, flatMetal.bottomRight(), flatMetal.bottomRight() + QPointF(16, 0));
    outsideDimension(painter, flatMetal.topRight() + QPointF(12, 0), flatMetal.bottomRight() + QPointF(12, 0), 14,
                     QStringLiteral("a"), QPointF(flat.right() + 16, flat.center().y() + 5));

    // On edge: side b along the rod axis, a across the winding.
    const QRectF edge(150, 80, 30, 80);
    conductor(painter, edge, insulation);
    const QRectF edgeMetal = edge.adjusted(insulation, insulation, -insulation, -insulation);
    witnessLine(painter, edgeMetal.topRight(), edgeMetal.topRight() + QPointF(26, 0));
    witnessLine(painter, edgeMetal.bottomRight(), edgeMetal.bottomRight() + QPointF(26, 0));
    dimensionLine(painter, edgeMetal.topRight() + QPointF(20, 0), edgeMetal.bottomRight() + QPointF(20, 0),
                  QStringLiteral("b"), QPointF(edge.right() + 22, edge.center().y() + 5));
    witnessLine(painter, edgeMetal.bottomLeft(), edgeMetal.bottomLeft() + QPointF(0, 30));
    witnessLine(painter, edgeMetal.bottomRight(), edgeMetal.bottomRight() + QPointF(0, 30));
    outsideDimension(painter, edgeMetal.bottomLeft() + QPointF(0, 24), edgeMetal.bottomRight() + QPointF(0, 24), 14,
                     QStringLiteral("a"), QPointF(edge.right() + 12, edgeMetal.bottom() + 40));

    // Parallel conductors: three on edge side by side make one turn; two
    // turns show the height of a turn along the axis.
    constexpr int parallel = 3;
    constexpr double width = 24;   // a′, one insulated conductor across the winding
    constexpr double height = 70;  // b″, one insulated conductor along the axis
    constexpr double pitch = 82;   // h, from turn to turn
    const double left = 262;
    const double top = 60;
    for (int turn = 0; turn < 2; ++turn) {
        for (int i = 0; i < parallel; ++i) {
            conductor(painter, QRectF(left + i * width, top + turn * pitch, width, height), insulation);
        }
    }
    const double right = left + parallel * width;
    // b″: one insulated conductor, on the left.
    witnessLine(painter, QPointF(left, top), QPointF(left - 26, top));
    witnessLine(painter, QPointF(left, top + height), QPointF(left - 26, top + height));
    dimensionLine(painter, QPointF(left - 20, top), QPointF(left - 20, top + height), QStringLiteral("b″"),
                  QPointF(left - 44, top + height / 2 + 5));
    // h: turn to turn, on the right.
    witnessLine(painter, QPointF(right, top), QPointF(right + 30, top));
    witnessLine(painter, QPointF(right, top + pitch), QPointF(right + 30, top + pitch));
    dimensionLine(painter, QPointF(right + 24, top), QPointF(right + 24, top + pitch), QStringLiteral("h"),
                  QPointF(right + 28, top + pitch / 2 + 5));
    // a′ and a″ below the second turn.
    const double bottom = top + pitch + height;
    witnessLine(painter, QPointF(left, bottom), QPointF(left, bottom + 52));
    witnessLine(painter, QPointF(left + width, bottom), QPointF(left + width, bottom + 26));
    witnessLine(painter, QPointF(right, bottom), QPointF(right, bottom + 52));
    dimensionLine(painter, QPointF(left, bottom + 20), QPointF(left + width, bottom + 20), QStringLiteral("a′"),
                  QPointF(left + width + 4, bottom + 18));
    dimensionLine(painter, QPointF(left, bottom + 46), QPointF(right, bottom + 46), QStringLiteral("a″"),
                  QPointF(left + parallel * width / 2 - 8, bottom + 64));
}

}  // namespace dravik
