#pragma once

#include <QPointF>
#include <QString>

class QColor;
class QPainter;

namespace dravik {

// A dimension as an engineering drawing writes it: a thin line between the
// two points with an arrow head at each end, and its symbol at `labelAt`
// (the text's left end of the base line).
void dimensionLine(QPainter& painter, QPointF from, QPointF to, const QString& label, QPointF labelAt);

// The line and arrow heads of a dimension, in `colour`, without a label.
void dimensionArrows(QPainter& painter, QPointF from, QPointF to, const QColor& colour);

// A zig-zag break line from `left` to `right` at `y`: the part goes on
// beyond it.
void breakLine(QPainter& painter, double left, double right, double y);

// A dimension too small to hold its arrows: two arrows point at the edges
// from outside, `outside` pixels long, along the direction `from` -> `to`.
void outsideDimension(QPainter& painter, QPointF from, QPointF to, double outside, const QString& label,
                      QPointF labelAt);

// A thin witness line carrying a dimension away from the part it measures.
void witnessLine(QPainter& painter, QPointF from, QPointF to);

// Sets the painter's font to `pixels` high, italic for dimension symbols,
// bold for titles.
void setDrawingFont(QPainter& painter, int pixels, bool italic = false, bool bold = false);

// A flux or phasor: a line of `width` with a filled head at `to`.
void filledArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, double width);

}  // namespace dravik
