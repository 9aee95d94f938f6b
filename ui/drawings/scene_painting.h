#pragma once

#include "drawings/geometry/label_placement.h"
#include "drawings/geometry/scene.h"

#include <functional>
#include <vector>

class QPainter;
class QRectF;
class QSizeF;
class QWidget;

// Drawing the parts every scene shares, on any painter: a window, an image
// or a PDF page.
namespace dravik {

// Text sizes in the painter's font on the painter's device.
TextMeasure textMeasure(const QPainter& painter);

void paintDimensions(QPainter& painter, const std::vector<DimensionLine>& dimensions);
void paintWitnesses(QPainter& painter, const std::vector<QLineF>& witnesses);
// A centre line: long dash, short dash.
void paintAxes(QPainter& painter, const std::vector<QLineF>& axes);
// Each label on a light ground so that lines under it do not cross the
// letters, with its leader line when it has one; red when it names a
// failed check.
void paintLabels(QPainter& painter, const std::vector<PlacedLabel>& labels);
// A scene's marks over its shapes: centre lines, witness and dimension
// lines, then the labels on top.
void paintMarks(QPainter& painter, const std::vector<QLineF>& axes, const std::vector<QLineF>& witnesses,
                const std::vector<DimensionLine>& dimensions, const std::vector<PlacedLabel>& labels);

// A picture drawn in fixed pixels for an area of `nominal` size, shown in
// `area`: shrunk to fit when the area is smaller (never enlarged, so that
// its text stays the size it was drawn in) and centred in it.
void fitPicture(QPainter& painter, const QSizeF& area, const QSizeF& nominal);

// How far a drawing of fixed pixels may be shrunk when its window is
// small; its widget is no smaller than this share of the drawing.
inline constexpr double kSmallestPictureScale = 0.7;

// A drawing widget's paint: a white ground, then the design's picture in
// the widget (less a small margin, in the drawings' 12 px font) when there
// is one, the explanatory picture otherwise. An explanation drawn for an
// area of `explanationSize` is fitted into the widget; with no size given
// it lays itself out in the whole widget.
using DesignPicture = std::function<void(QPainter&, const QRectF&)>;
void paintDesignOrExplanation(QWidget& widget, const DesignPicture& design,
                              const std::function<void(QPainter&)>& explanation, const QSizeF& explanationSize);

}  // namespace dravik
