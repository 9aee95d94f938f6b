#pragma once

#include "drawings/geometry/core_window_geometry.h"

class QPainter;

namespace dravik {

// The upper half of the core window to scale in `target`: the yoke, the two
// rods, the windings of one phase and their mirror image on the next rod,
// the cooling channels, the room l01 and l02 from the yoke, the gap a22 the
// two phases must leave, and the chain of radial sizes. A winding that did
// not fit is drawn in red. Labels take the painter's font.
void paintCoreWindow(QPainter& painter, const QRectF& target, const CoreWindow& window);

}  // namespace dravik
