#pragma once

#include "drawings/geometry/label_placement.h"
#include "drawings/geometry/scene.h"
#include "drawings/geometry/view_transform.h"

#include <QRectF>
#include <QStringList>
#include <optional>
#include <vector>

namespace dravik {

// One packet of sheets of a stepped rod or yoke: its width across the
// section and its thickness, mm.
struct Packet {
    double width_mm = 0;
    double thickness_mm = 0;
};

// A stepped section as typed: the packets from the centre outwards (the
// centre one whole across the centre, each further one once on each side)
// inside the circle of the given diameter.
struct SteppedSection {
    std::vector<Packet> packets;
    double circle_mm = 0;
};

// The rod section from the Stage I fields: packet widths А1..А8 and
// thicknesses а1..а8 in mm, the diameter of the rod in m (CB_Dnom). The
// packets end at the first one without a positive width and thickness.
// Nothing when a text is not a number, the diameter is not positive or the
// centre packet is missing.
std::optional<SteppedSection> rodSectionFromTexts(const QStringList& widths, const QStringList& thicknesses,
                                                  const QString& diameter_m);

// The yoke section from the yoke window's fields B1..B8 and b1..b8, mm,
// inside the circle round its centre packet, sqrt(B1² + b1²), the circle a
// standard yoke is cut to.
std::optional<SteppedSection> yokeSectionFromTexts(const QStringList& widths, const QStringList& thicknesses);

// A packet drawn: its rectangle, its number (0 the centre packet) and
// whether a corner lies outside the circle.
struct PacketRect {
    QRectF rect;
    int packet = 0;
    bool outsideCircle = false;
};

// The packets as rectangles, mm, centred on the rod axis (y downwards): the
// centre packet first, then each further packet above and below.
std::vector<PacketRect> packetRectangles(const SteppedSection& section);

// Gross section X1·x1 + 2·(X2·x2 + ...), mm², and its share of the circle, %.
double grossArea_mm2(const SteppedSection& section);
double circleFill_percent(const SteppedSection& section);
// Thickness of the whole stack across the centre, mm.
double stackThickness_mm(const SteppedSection& section);

// Letters of the sizes: "А"/"а" for the rod, "B"/"b" for the yoke.
struct SectionLetters {
    QString width;
    QString thickness;
};

// Everything the painter draws for a section in `target`.
struct SectionScene {
    ViewTransform view;
    QPointF centre;
    double radius = 0;
    std::vector<PacketRect> packets;
    QLineF diagonal;
    DimensionLine stack;
    std::vector<QLineF> witnesses;
    std::vector<PlacedLabel> labels;
};

SectionScene layOutSection(const SteppedSection& section, const QRectF& target, const SectionLetters& letters,
                           const TextMeasure& measure);

// The text under the section: its fill of the circle.
QString circleFillText(const SteppedSection& section);

}  // namespace dravik
