#include "drawings/geometry/label_placement.h"

#include <algorithm>
#include <cmath>

namespace dravik {
namespace {

// How far the search for a free place goes, in steps of half a text height.
constexpr int kSearchSteps = 24;
// Labels keep this much room between them, in the painter's units.
constexpr double kPadding = 1.0;
// A label this near the point it names needs no leader, in text heights.
constexpr double kNoLeaderWithin = 0.4;

// The point of `box` nearest to `point`.
QPointF nearestOnBox(const QRectF& box, QPointF point) {
    return {std::clamp(point.x(), box.left(), box.right()), std::clamp(point.y(), box.top(), box.bottom())};
}

double distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

double area(const QRectF& r) { return r.isValid() ? r.width() * r.height() : 0.0; }

// Whether the segment crosses the inside of the box.
bool crosses(const QLineF& segment, const QRectF& box) {
    const QRectF inside = box.adjusted(0.5, 0.5, -0.5, -0.5);
    if (inside.contains(segment.p1()) || inside.contains(segment.p2())) return true;
    const QLineF edges[] = {{inside.topLeft(), inside.topRight()},
                            {inside.topRight(), inside.bottomRight()},
                            {inside.bottomRight(), inside.bottomLeft()},
                            {inside.bottomLeft(), inside.topLeft()}};
    return std::any_of(std::begin(edges), std::end(edges),
                       [&](const QLineF& edge) { return segment.intersects(edge, nullptr) == QLineF::BoundedIntersection; });
}

std::optional<QLineF> leaderTo(const QRectF& box, const QRectF& preferred, QPointF anchor) {
    const QPointF end = nearestOnBox(box, anchor);
    if (box == preferred || distance(end, anchor) <= kNoLeaderWithin * box.height()) return std::nullopt;
    return QLineF(anchor, end);
}

// Offsets round the preferred place in steps of 1, nearest first. Sideways
// comes before up and down at the same distance, so a label keeps to its
// row; right before left and down before up, so that labels placed from
// left to right keep their order.
std::vector<QPointF> unitSearchOffsets() {
    std::vector<QPointF> offsets;
    for (int i = kSearchSteps; i >= -kSearchSteps; --i) {
        for (int j = kSearchSteps; j >= -kSearchSteps; --j) offsets.emplace_back(i, j);
    }
    std::stable_sort(offsets.begin(), offsets.end(), [](QPointF a, QPointF b) {
        const double da = std::hypot(a.x(), a.y() * 1.2);
        const double db = std::hypot(b.x(), b.y() * 1.2);
        return da < db;
    });
    return offsets;
}

}  // namespace

void LabelPlacer::keepClear(const QLineF& line, double margin) {
    keepClear(QRectF(line.p1(), line.p2()).normalized().adjusted(-margin, -margin, margin, margin));
}

bool LabelPlacer::isFree(const QRectF& box, const QRectF& within) const {
    if (!bounds_.contains(box)) return false;
    if (!within.isEmpty() && !within.contains(box)) return false;
    const QRectF padded = box.adjusted(-kPadding, -kPadding, kPadding, kPadding);
    for (const PlacedLabel& label : placed_) {
        if (padded.intersects(label.box)) return false;
        if (label.leader && crosses(*label.leader, box)) return false;
    }
    return std::none_of(clear_.begin(), clear_.end(), [&](const QRectF& area) { return box.intersects(area); });
}

// A label over the named point itself cannot be avoided by any leader.
bool LabelPlacer::leaderIsFree(const QLineF& leader) const {
    return std::none_of(placed_.begin(), placed_.end(), [&](const PlacedLabel& label) {
        return !label.box.contains(leader.p1()) && crosses(leader, label.box);
    });
}

double LabelPlacer::overlap(const QRectF& box) const {
    double total = 0;
    for (const PlacedLabel& label : placed_) total += area(box.intersected(label.box));
    return total;
}

const PlacedLabel& LabelPlacer::place(const LabelRequest& request) {
    const QRectF& preferred = request.preferred;
    const double step = std::max(2.0, preferred.height() / 2);
    std::optional<QRectF> chosen;
    QRectF leastCovered = preferred;
    double leastOverlap = overlap(preferred);
    static const std::vector<QPointF> offsets = unitSearchOffsets();
    for (QPointF offset : offsets) {
        const QRectF box = preferred.translated(offset * step);
        if (isFree(box, request.within)) {
            const std::optional<QLineF> leader = leaderTo(box, preferred, request.anchor);
            if (leader && !leaderIsFree(*leader)) continue;
            chosen = box;
            break;
        }
        if (bounds_.contains(box)) {
            const double covered = overlap(box);
            if (covered < leastOverlap) {
                leastOverlap = covered;
                leastCovered = box;
            }
        }
    }
    // No free place within reach: the place covering the least of the
    // others, so that a cramped drawing still shows every label.
    const QRectF box = chosen.value_or(leastCovered);

    placed_.push_back({request.text, box, leaderTo(box, preferred, request.anchor), request.warning});
    return placed_.back();
}

bool anyLabelsOverlap(const std::vector<PlacedLabel>& labels) {
    for (std::size_t i = 0; i < labels.size(); ++i) {
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            if (labels[i].box.intersects(labels[j].box)) return true;
        }
    }
    return false;
}

QRectF boxAround(QPointF centre, QSizeF size) {
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height()};
}

QRectF boxRightOf(QPointF point, QSizeF size, double gap) {
    return {point.x() + gap, point.y() - size.height() / 2, size.width(), size.height()};
}

}  // namespace dravik
