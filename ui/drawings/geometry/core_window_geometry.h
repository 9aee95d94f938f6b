#pragma once

#include "drawings/geometry/label_placement.h"
#include "drawings/geometry/scene.h"
#include "drawings/geometry/view_transform.h"

#include <QRectF>
#include <optional>
#include <vector>

namespace dravik {

struct DesignState;
struct Stage2State;

// One winding of a phase as its calculation left it, mm: radii from the rod
// axis, the axial height (centred on the window's mid-height) and the
// layers with their cooling channels.
struct WindingBuild {
    enum class Kind { Ku, Lv, Hv };
    Kind kind = Kind::Lv;
    double inner_mm = 0;
    double outer_mm = 0;
    double height_mm = 0;
    int layers = 0;
    int channels = 0;
    double channel_mm = 0;
    // The radial size was not calculated (the run stopped at the height
    // check): the winding is drawn as wide as its bare layers.
    bool radialKnown = true;
    bool fitsHeight = true;
};

// The core window of Stage II, mm: the rods C apart, the window lc high, the
// windings of one phase on the rod and the insulation distances that bound
// them.
struct CoreWindow {
    double C_mm = 0;
    double lc_mm = 0;
    double rodRadius_mm = 0;
    double yokeHeight_mm = 0;
    double l01_mm = 0;  // LV and KU windings to the yoke
    double l02_mm = 0;  // HV winding to the yoke
    double a22_mm = 0;  // least gap between the HV windings of two phases
    std::optional<WindingBuild> ku, lv, hv;
    // D2od within C − a22; unset until the HV width is checked.
    std::optional<bool> hvFitsWindow;
};

// The windings of the current work, from the design state and the Stage II
// state after a calculation: the KU when it is taken into account (ChB_KU)
// and was calculated, the LV and the HV as far as their calculations came.
// Nothing when no winding is calculated yet or the core has no sizes.
std::optional<CoreWindow> coreWindowFromState(const DesignState& design, const Stage2State& stage2, bool kuTicked);

// The x ranges (mm from the rod axis) of a winding's cooling channels, the
// channels spread between its layers as evenly as whole layers allow.
std::vector<std::pair<double, double>> channelSpans(const WindingBuild& winding);

// A winding drawn: phase A on the left rod and its mirror image, phase B,
// on the right one.
struct WindingShape {
    WindingBuild::Kind kind = WindingBuild::Kind::Lv;
    QRectF phaseA, phaseB;
    std::vector<QRectF> channels;  // of both phases
    bool radialKnown = true;
    bool fitsHeight = true;
    bool fitsWidth = true;  // HV: D2od within C − a22
};

// Everything the painter draws: the upper half of the window (the windings
// are symmetric about its mid-height) between the axes of two rods.
struct CoreWindowScene {
    ViewTransform view;
    QRectF yoke;
    std::vector<QRectF> rods;
    std::vector<WindingShape> windings;
    std::optional<QRectF> neighbourBand;  // the a22 the HV windings must leave free
    bool neighbourWarning = false;
    std::vector<QLineF> limits;  // l01 and l02 from the yoke: the room of the windings
    std::vector<QLineF> axes;    // rod axes and the window's mid-height
    std::vector<DimensionLine> dimensions;
    std::vector<QLineF> witnesses;
    std::vector<PlacedLabel> labels;
};

CoreWindowScene layOutCoreWindow(const CoreWindow& window, const QRectF& target, const TextMeasure& measure);

}  // namespace dravik
