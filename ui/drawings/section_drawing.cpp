#include "drawings/section_drawing.h"

#include "drawings/dimension_marks.h"
#include "drawings/scene_painting.h"
#include "drawings/section_picture.h"

#include <QPainter>
#include <array>
#include <cmath>

namespace dravik {
namespace {

// Half-widths of the packets as fractions of the radius, centre outwards,
// chosen so that every packet corner touches the circle.
constexpr std::array<double, 5> kHalfWidths{0.95, 0.84, 0.70, 0.53, 0.33};

}  // namespace

SectionDrawing::SectionDrawing(QString widthLetter, QString thicknessLetter, QWidget* parent)
    : QWidget(parent), widthLetter_(std::move(widthLetter)), thicknessLetter_(std::move(thicknessLetter)) {
    setMinimumSize(240, 240);
}

void SectionDrawing::showSection(std::optional<SteppedSection> section) {
    section_ = std::move(section);
    update();
}

void SectionDrawing::paintEvent(QPaintEvent*) {
    DesignPicture design;
    if (section_) {
        design = [this](QPainter& painter, const QRectF& area) {
            paintSection(painter, area, *section_, {widthLetter_, thicknessLetter_});
        };
    }
    paintDesignOrExplanation(
        *this, design, [this](QPainter& painter) { paintExplanation(painter); }, QSizeF());
}

void SectionDrawing::paintExplanation(QPainter& painter) {
    const double side = std::min(width(), height()) - 60.0;
    const QPointF centre(width() / 2.0 - 10.0, height() / 2.0);
    const double r = side / 2.0;

    // Packet steps: y extents follow from the circle at each half-width.
    QVector<double> heights;
    for (double w : kHalfWidths) heights.append(std::sqrt(1.0 - w * w) * r);

    painter.setPen(QPen(Qt::black, 1.2));
    double previous = 0.0;
    for (int i = 0; i < static_cast<int>(kHalfWidths.size()); ++i) {
        const double halfWidth = kHalfWidths[i] * r;
        const double top = heights[i];
        const QColor fill = QColor::fromHsv(210, 40 + 25 * i, 235 - 12 * i);
        if (i == 0) {
            painter.fillRect(QRectF(centre.x() - halfWidth, centre.y() - top, 2 * halfWidth, 2 * top), fill);
            painter.drawRect(QRectF(centre.x() - halfWidth, centre.y() - top, 2 * halfWidth, 2 * top));
        } else {
            for (int sign : {-1, 1}) {
                const double y1 = centre.y() + sign * previous;
                const double y2 = centre.y() + sign * top;
                QRectF packet(QPointF(centre.x() - halfWidth, std::min(y1, y2)), QPointF(centre.x() + halfWidth, std::max(y1, y2)));
                painter.fillRect(packet, fill);
                painter.drawRect(packet);
            }
        }
        previous = top;
    }

    painter.setPen(QPen(Qt::darkGray, 1.0, Qt::DashLine));
    painter.drawEllipse(centre, r, r);
    painter.drawLine(centre + QPointF(-r * 0.707, r * 0.707), centre + QPointF(r * 0.707, -r * 0.707));

    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(centre + QPointF(r * 0.25, -r * 0.3), QStringLiteral("D"));
    // Width labels on the packets, thickness labels at the right edge.
    painter.drawText(QPointF(centre.x() - 14, centre.y() + 5), widthLetter_ + QStringLiteral("1"));
    for (int i = 1; i < static_cast<int>(kHalfWidths.size()); ++i) {
        const double y = centre.y() - (heights[i - 1] + heights[i]) / 2.0 + 5;
        painter.drawText(QPointF(centre.x() - 14, y), widthLetter_ + QString::number(i + 1));
        painter.drawText(QPointF(centre.x() + kHalfWidths[i] * r + 4, y), thicknessLetter_ + QString::number(i + 1));
    }
    painter.drawText(QPointF(centre.x() + kHalfWidths[0] * r + 4, centre.y() + 5), thicknessLetter_ + QStringLiteral("1"));

    // Whole stack thickness on the right.
    const double x = centre.x() + r + 18;
    painter.drawLine(QPointF(x, centre.y() - heights.last()), QPointF(x, centre.y() + heights.last()));
    painter.drawLine(QPointF(x - 4, centre.y() - heights.last()), QPointF(x + 4, centre.y() - heights.last()));
    painter.drawLine(QPointF(x - 4, centre.y() + heights.last()), QPointF(x + 4, centre.y() + heights.last()));
    painter.drawText(QPointF(x + 5, centre.y() + 5), thicknessLetter_);
}

}  // namespace dravik
