#pragma once

#include "drawings/geometry/core_views_geometry.h"

class QPainter;

namespace dravik {

// The three-rod core to scale in `target`: the front view (yokes, rods and
// windows, C, lс and the yoke height) above the top view (a section through
// the rods with their packets and circles, D and the overall length l0).
// Labels take the painter's font.
void paintCoreViews(QPainter& painter, const QRectF& target, const CoreViews& core);

}  // namespace dravik
