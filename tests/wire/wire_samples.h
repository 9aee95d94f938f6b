#pragma once

#include "common/cp1251.h"
#include "design/wire_record.h"

#include <QString>
#include <vector>

// Small wires for the catalogue tests, written the way a user types them.
namespace dravik::test {

inline WireRecord rectWire(const QString& tip, double s, const QString& mater = QStringLiteral("Copper"),
                           double delta2 = 0.45, double a = 1.0) {
    WireRecord wire;
    wire.Tip = encodeCp1251(tip);
    wire.Vid = rectShapeCode();
    wire.a = a;
    wire.b = 2.0;
    wire.s = s;
    wire.delta2 = delta2;
    wire.Mater = encodeCp1251(mater);
    return wire;
}

inline WireRecord roundWire(const QString& tip, double D, double s, const QString& mater = QStringLiteral("Copper"),
                            double delta2 = 0.1) {
    WireRecord wire;
    wire.Tip = encodeCp1251(tip);
    wire.Vid = roundShapeCode();
    wire.D = D;
    wire.s = s;
    wire.delta2 = delta2;
    wire.Mater = encodeCp1251(mater);
    return wire;
}

inline std::vector<double> sectionsOf(const std::vector<WireRecord>& wires) {
    std::vector<double> sections;
    for (const WireRecord& wire : wires) sections.push_back(wire.s);
    return sections;
}

}  // namespace dravik::test
