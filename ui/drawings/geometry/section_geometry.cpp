#include "drawings/geometry/section_geometry.h"

#include "common/number_text.h"
#include "drawings/geometry/drawing_numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dravik {
namespace {

// A corner this far outside the circle still counts as inside it: sizes
// are typed to a tenth of a millimetre at best.
constexpr double kCircleTolerance_mm = 0.05;

// The packets of a stack up to the first one that has no sheets.
std::vector<Packet> packetsOf(const std::vector<double>& widths, const std::vector<double>& thicknesses) {
    std::vector<Packet> packets;
    for (std::size_t i = 0; i < widths.size() && i < thicknesses.size(); ++i) {
        if (!(widths[i] > 0 && thicknesses[i] > 0)) break;
        packets.push_back({widths[i], thicknesses[i]});
    }
    return packets;
}

std::optional<std::vector<Packet>> typedPackets(const QStringList& widths, const QStringList& thicknesses) {
    const auto w = typedNumbers(widths);
    const auto t = typedNumbers(thicknesses);
    if (!w || !t) return std::nullopt;
    std::vector<Packet> packets = packetsOf(*w, *t);
    if (packets.empty()) return std::nullopt;
    return packets;
}

QRectF boundsOf(const std::vector<PacketRect>& packets) {
    QRectF bounds;
    for (const PacketRect& p : packets) bounds = bounds.united(p.rect);
    return bounds;
}

}  // namespace

std::optional<SteppedSection> rodSectionFromTexts(const QStringList& widths, const QStringList& thicknesses,
                                                  const QString& diameter_m) {
    const std::optional<double> diameter = typedNumber(diameter_m);
    if (!diameter || !(*diameter > 0)) return std::nullopt;
    auto packets = typedPackets(widths, thicknesses);
    if (!packets) return std::nullopt;
    return SteppedSection{std::move(*packets), *diameter * 1000};
}

std::optional<SteppedSection> yokeSectionFromTexts(const QStringList& widths, const QStringList& thicknesses) {
    auto packets = typedPackets(widths, thicknesses);
    if (!packets) return std::nullopt;
    const Packet& centre = packets->front();
    const double circle = std::hypot(centre.width_mm, centre.thickness_mm);
    return SteppedSection{std::move(*packets), circle};
}

std::vector<PacketRect> packetRectangles(const SteppedSection& section) {
    std::vector<PacketRect> rects;
    const double radius = section.circle_mm / 2 + kCircleTolerance_mm;
    const auto outside = [&](double halfWidth, double reach) { return std::hypot(halfWidth, reach) > radius; };
    double reach = 0;  // from the axis to the outer face of the packets so far
    for (std::size_t i = 0; i < section.packets.size(); ++i) {
        const Packet& p = section.packets[i];
        const double half = p.width_mm / 2;
        const int number = static_cast<int>(i);
        if (i == 0) {
            reach = p.thickness_mm / 2;
            rects.push_back({QRectF(-half, -reach, p.width_mm, p.thickness_mm), number, outside(half, reach)});
            continue;
        }
        const double outer = reach + p.thickness_mm;
        const bool out = outside(half, outer);
        rects.push_back({QRectF(-half, -outer, p.width_mm, p.thickness_mm), number, out});
        rects.push_back({QRectF(-half, reach, p.width_mm, p.thickness_mm), number, out});
        reach = outer;
    }
    return rects;
}

double grossArea_mm2(const SteppedSection& section) {
    double area = 0;
    for (const PacketRect& p : packetRectangles(section)) area += p.rect.width() * p.rect.height();
    return area;
}

double circleFill_percent(const SteppedSection& section) {
    const double circle = std::numbers::pi * section.circle_mm * section.circle_mm / 4;
    return circle > 0 ? grossArea_mm2(section) / circle * 100 : 0;
}

double stackThickness_mm(const SteppedSection& section) { return boundsOf(packetRectangles(section)).height(); }

QString circleFillText(const SteppedSection& section) {
    return QStringLiteral("Fill of the circle ") + formatFixed(circleFill_percent(section), 1) + QStringLiteral(" %");
}

SectionScene layOutSection(const SteppedSection& section, const QRectF& target, const SectionLetters& letters,
                           const TextMeasure& measure) {
    SectionScene scene;
    const std::vector<PacketRect> packets = packetRectangles(section);
    const double r = section.circle_mm / 2;
    const QRectF contentMm = QRectF(-r, -r, 2 * r, 2 * r).united(boundsOf(packets));

    // The stack's thickness is dimensioned on the left, the packets'
    // thicknesses are written on the right, the fill below.
    const double stack = stackThickness_mm(section);
    const QString stackText = sizeLabel(letters.thickness, stack);
    const QString fillText = circleFillText(section);
    const QSizeF stackSize = measure(stackText);
    const QSizeF fillSize = measure(fillText);
    const double textHeight = fillSize.height();
    double thicknessWidth = 0;
    for (std::size_t i = 0; i < section.packets.size(); ++i) {
        const QString text = sizeLabel(letters.thickness + QString::number(i + 1), section.packets[i].thickness_mm);
        thicknessWidth = std::max(thicknessWidth, measure(text).width());
    }
    const double left = stackSize.width() + 20;
    const QRectF area = target.adjusted(left, 6, -(thicknessWidth + 8), -(textHeight + 12));
    scene.view = fitIntoAtStandardScale(contentMm, area);
    const ViewTransform& view = scene.view;

    scene.centre = view.map(QPointF(0, 0));
    scene.radius = view.length(r);
    for (const PacketRect& p : packets) scene.packets.push_back({view.map(p.rect), p.packet, p.outsideCircle});
    const double diagonal = scene.radius * std::numbers::sqrt2 / 2;
    scene.diagonal = QLineF(scene.centre + QPointF(-diagonal, diagonal), scene.centre + QPointF(diagonal, -diagonal));

    // The stack's thickness on the left, from the outermost packets' faces.
    const QRectF drawn = view.map(boundsOf(packets));
    const double stackX = std::min(drawn.left(), scene.centre.x() - scene.radius) - 10;
    scene.stack.line = QLineF(stackX, drawn.top(), stackX, drawn.bottom());
    const QRectF& outermost = scene.packets.back().rect;
    scene.witnesses.push_back(QLineF(outermost.left(), drawn.top(), stackX - 4, drawn.top()));
    scene.witnesses.push_back(QLineF(outermost.left(), drawn.bottom(), stackX - 4, drawn.bottom()));

    LabelPlacer placer(target);
    placer.keepClear(scene.stack.line, 2);
    for (const QLineF& witness : scene.witnesses) placer.keepClear(witness, 1);
    const double underCircle = std::max(drawn.bottom(), scene.centre.y() + scene.radius) + 6 + textHeight / 2;
    const QPointF fillAt(scene.centre.x(), std::min(underCircle, target.bottom() - 4 - textHeight / 2));
    placer.place({fillText, boxAround(fillAt, fillSize), fillAt, {}, false});
    const QPointF stackMid = scene.stack.line.center();
    placer.place({stackText, boxRightOf(stackMid - QPointF(stackSize.width() + 8, 0), stackSize, 0), stackMid, {},
                  false});
    // D at the lower end of the diagonal, where no packet is named.
    const QString diameterText = sizeLabel(QStringLiteral("D"), section.circle_mm);
    const QSizeF diameterSize = measure(diameterText);
    const QPointF diameterAt = scene.diagonal.p1();
    placer.place({diameterText, boxAround(diameterAt + QPointF(-diameterSize.width() / 2, diameterSize.height() / 2),
                                          diameterSize),
                  diameterAt, {}, false});

    // Each packet is named on one of its copies, the even ones above the
    // centre and the odd ones below, so that thin packets do not crowd: the
    // width across the packet, the thickness at its right end.
    std::vector<const PacketRect*> named(section.packets.size(), nullptr);
    for (const PacketRect& p : scene.packets) {
        const bool upper = p.rect.center().y() < scene.centre.y();
        const bool wanted = p.packet == 0 || (p.packet % 2 == 1) == upper;
        if (wanted) named[static_cast<std::size_t>(p.packet)] = &p;
    }
    for (const PacketRect* p : named) {
        const Packet& packet = section.packets[static_cast<std::size_t>(p->packet)];
        const QString width = sizeLabel(letters.width + QString::number(p->packet + 1), packet.width_mm);
        const QPointF at = p->rect.center();
        placer.place({width, boxAround(at, measure(width)), at, {}, p->outsideCircle});
    }
    for (const PacketRect* p : named) {
        const Packet& packet = section.packets[static_cast<std::size_t>(p->packet)];
        const QString thickness = sizeLabel(letters.thickness + QString::number(p->packet + 1), packet.thickness_mm);
        const QPointF at(p->rect.right(), p->rect.center().y());
        placer.place({thickness, boxRightOf(at, measure(thickness), 3), at, {}, p->outsideCircle});
    }
    scene.labels = placer.placed();
    return scene;
}

}  // namespace dravik
