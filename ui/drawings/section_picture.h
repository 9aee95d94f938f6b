#pragma once

#include "drawings/geometry/section_geometry.h"

class QPainter;

namespace dravik {

// The stepped section of a rod or a yoke, to scale in `target`: its packets
// inside their circle, a packet standing out of the circle in red, each
// packet's width and thickness, the stack's thickness and the fill of the
// circle. Labels take the painter's font.
void paintSection(QPainter& painter, const QRectF& target, const SteppedSection& section,
                  const SectionLetters& letters);

// The packets alone, in the painter's units (also the rods of the core's
// top view).
void paintPackets(QPainter& painter, const std::vector<PacketRect>& packets);

}  // namespace dravik
