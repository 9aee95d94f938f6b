#pragma once

#include "drawings/geometry/label_placement.h"
#include "drawings/geometry/scene.h"

#include <vector>

class QPainter;

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

}  // namespace dravik
