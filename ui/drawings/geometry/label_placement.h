#pragma once

#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace dravik {

// The size a text takes in the painter's font; a drawing measures with
// QFontMetricsF, a test with any fixed rule.
using TextMeasure = std::function<QSizeF(const QString&)>;

// A label a drawing wants: the text, where it would sit best, and the point
// it names (a leader line joins the two when the label has to move away).
struct LabelRequest {
    QString text;
    QRectF preferred;  // in the painter's units, of the measured size
    QPointF anchor;
    // The label stays inside this area (an empty one: anywhere in the drawing).
    QRectF within;
    bool warning = false;  // a failed check: drawn in red
};

struct PlacedLabel {
    QString text;
    QRectF box;
    std::optional<QLineF> leader;  // from the named point to the box
    bool warning = false;
};

// Puts labels one after the other where none covers another or anything the
// drawing keeps clear (dimension lines, arrow heads). A label that cannot
// stay at its preferred place takes the nearest free place and gets a leader
// line when it has moved away from the point it names.
class LabelPlacer {
public:
    explicit LabelPlacer(const QRectF& bounds) : bounds_(bounds) {}

    // An area no label may cover.
    void keepClear(const QRectF& area) { clear_.push_back(area); }
    // A line no label may cover, with `margin` on each side.
    void keepClear(const QLineF& line, double margin);

    const PlacedLabel& place(const LabelRequest& request);
    const std::vector<PlacedLabel>& placed() const { return placed_; }

private:
    bool isFree(const QRectF& box, const QRectF& within) const;
    bool leaderIsFree(const QLineF& leader) const;
    double overlap(const QRectF& box) const;

    QRectF bounds_;
    std::vector<QRectF> clear_;
    std::vector<PlacedLabel> placed_;
};

// Whether two of the labels cover each other.
bool anyLabelsOverlap(const std::vector<PlacedLabel>& labels);

// A box of `size` centred on `centre`, and one whose left edge starts `gap`
// to the right of `point`, centred on it vertically.
QRectF boxAround(QPointF centre, QSizeF size);
QRectF boxRightOf(QPointF point, QSizeF size, double gap);

}  // namespace dravik
