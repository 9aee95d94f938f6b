#pragma once

#include "drawings/geometry/label_placement.h"
#include "drawings/geometry/scene.h"
#include "drawings/geometry/section_geometry.h"
#include "drawings/geometry/view_transform.h"

#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace dravik {

// The three-rod core as Stage I sizes it, mm: the distance C between rod
// axes, the window height lc, the yoke height and the rod's stepped section.
struct CoreViews {
    double C_mm = 0;
    double lc_mm = 0;
    double yokeHeight_mm = 0;
    SteppedSection rod;
};

// The core from the Stage I fields C and lс (mm), the rod packets and
// diameter (as for the rod section) and the yoke window's B1 (mm). Seen from
// the front the yoke shows the width of its centre packet as its height, so
// B1 is the yoke height of the front view. Nothing when a text is not a
// number or a size is not positive.
std::optional<CoreViews> coreViewsFromTexts(const QString& C, const QString& lc, const QStringList& widths,
                                            const QStringList& thicknesses, const QString& diameter_m,
                                            const QString& yokeCentreWidth);

// Overall length of the core, from the outer edge of one outer rod to the
// other: l0 = 2·C + A1, mm.
double overallLength_mm(const CoreViews& core);

// One rod of the top view: the rod section round its axis.
struct RodPlan {
    QPointF centre;
    double radius = 0;
    std::vector<PacketRect> packets;
};

// Everything the painter draws for the front view above the top view, one
// scale for both.
struct CoreViewsScene {
    ViewTransform view;
    std::vector<QRectF> steel;  // front view: the two yokes and the three rods
    QRectF front;               // the whole front view
    std::vector<RodPlan> plan;  // top view: a section through the rods
    std::vector<QLineF> axes;   // the rod axes through both views
    std::vector<DimensionLine> dimensions;
    std::vector<QLineF> witnesses;
    std::vector<PlacedLabel> labels;
};

CoreViewsScene layOutCoreViews(const CoreViews& core, const QRectF& target, const TextMeasure& measure);

}  // namespace dravik
