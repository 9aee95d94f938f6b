#include "drawings/scene_painting.h"

#include "drawings/dimension_marks.h"
#include "drawings/palette.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace dravik {

TextMeasure textMeasure(const QPainter& painter) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    return [metrics](const QString& text) { return QSizeF(metrics.horizontalAdvance(text) + 2, metrics.height()); };
}

void paintDimensions(QPainter& painter, const std::vector<DimensionLine>& dimensions) {
    for (const DimensionLine& d : dimensions) {
        dimensionArrows(painter, d.line.p1(), d.line.p2(), d.warning ? palette::kMisfit : QColor(Qt::black));
    }
}

void paintWitnesses(QPainter& painter, const std::vector<QLineF>& witnesses) {
    for (const QLineF& line : witnesses) witnessLine(painter, line.p1(), line.p2());
}

void paintAxes(QPainter& painter, const std::vector<QLineF>& axes) {
    painter.save();
    painter.setPen(QPen(Qt::darkGray, 0.7, Qt::DashDotLine));
    for (const QLineF& line : axes) painter.drawLine(line);
    painter.restore();
}

void paintLabels(QPainter& painter, const std::vector<PlacedLabel>& labels) {
    painter.save();
    for (const PlacedLabel& label : labels) {
        const QColor ink = label.warning ? palette::kMisfit : QColor(Qt::black);
        if (label.leader) {
            painter.setPen(QPen(ink, 0.7));
            painter.drawLine(*label.leader);
            painter.setBrush(ink);
            painter.drawEllipse(label.leader->p1(), 1.5, 1.5);
        }
        painter.fillRect(label.box, QColor(255, 255, 255, 210));
        painter.setPen(ink);
        painter.drawText(label.box, Qt::AlignCenter, label.text);
    }
    painter.restore();
}

void paintMarks(QPainter& painter, const std::vector<QLineF>& axes, const std::vector<QLineF>& witnesses,
                const std::vector<DimensionLine>& dimensions, const std::vector<PlacedLabel>& labels) {
    paintAxes(painter, axes);
    paintWitnesses(painter, witnesses);
    paintDimensions(painter, dimensions);
    paintLabels(painter, labels);
}

void fitPicture(QPainter& painter, const QSizeF& area, const QSizeF& nominal) {
    const double scale = std::min({1.0, area.width() / nominal.width(), area.height() / nominal.height()});
    painter.translate((area.width() - nominal.width() * scale) / 2, (area.height() - nominal.height() * scale) / 2);
    painter.scale(scale, scale);
}

void paintDesignOrExplanation(QWidget& widget, const DesignPicture& design,
                              const std::function<void(QPainter&)>& explanation, const QSizeF& explanationSize) {
    QPainter painter(&widget);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(widget.rect(), Qt::white);
    if (!design) {
        if (!explanationSize.isEmpty()) fitPicture(painter, widget.size(), explanationSize);
        explanation(painter);
        return;
    }
    setDrawingFont(painter, 12);
    design(painter, QRectF(widget.rect()).adjusted(4, 4, -4, -4));
}

}  // namespace dravik
