#include "drawing_test_support.h"
#include "ku_lv/ku_lv_support.h"

#include "drawings/geometry/view_transform.h"

namespace dravik::test {
namespace {

const QRectF kBounds(0, 0, 200, 100);
const QSizeF kLabel(40, 14);

LabelRequest at(QPointF anchor, const QString& text = QStringLiteral("a1=20")) {
    return {text, boxAround(anchor, kLabel), anchor, {}, false};
}

TEST(LabelPlacement, AFreeLabelStaysWhereItWantsToBeWithoutLeader) {
    LabelPlacer placer(kBounds);
    const PlacedLabel& label = placer.place(at({100, 50}));
    EXPECT_EQ(label.box, boxAround({100, 50}, kLabel));
    EXPECT_FALSE(label.leader.has_value());
}

// Labels wanting one place: each moves to the nearest free place, and one
// that moved away from its point is joined to it by a leader that crosses
// no other label.
TEST(LabelPlacement, LabelsWantingOnePlaceSpreadOutWithLeaders) {
    LabelPlacer placer(kBounds);
    for (int i = 0; i < 12; ++i) placer.place(at({100, 50}, QStringLiteral("x%1").arg(i)));
    expectTidyLabels(placer.placed(), kBounds);
    int leaders = 0;
    for (const PlacedLabel& label : placer.placed()) {
        if (!label.leader) continue;
        ++leaders;
        EXPECT_EQ(label.leader->p1(), QPointF(100, 50));
        for (const PlacedLabel& other : placer.placed()) {
            if (&other == &label) continue;
            const QRectF inside = other.box.adjusted(1, 1, -1, -1);
            EXPECT_FALSE(inside.contains(label.leader->p2())) << label.text.toStdString();
        }
    }
    EXPECT_GE(leaders, 8);
}

TEST(LabelPlacement, ClearedAreasAndTheLabelsOwnAreaAreRespected) {
    LabelPlacer placer(kBounds);
    const QLineF dimension(100, 0, 100, 100);
    placer.keepClear(dimension, 2);
    const PlacedLabel& beside = placer.place(at({100, 50}));
    EXPECT_FALSE(beside.box.intersects(QRectF(98, 0, 4, 100)));

    const QRectF below(0, 70, 200, 30);
    LabelRequest low = at({20, 20});
    low.within = below;
    EXPECT_TRUE(below.contains(placer.place(low).box));
}

// In a drawing too small for all of them, every label is still shown, where
// it covers the least of the others.
TEST(LabelPlacement, ACrampedDrawingStillPlacesEveryLabel) {
    const QRectF tiny(0, 0, 50, 20);
    LabelPlacer placer(tiny);
    placer.place(at({25, 10}));
    const PlacedLabel& second = placer.place(at({25, 10}));
    EXPECT_TRUE(tiny.contains(second.box));
    EXPECT_EQ(placer.placed().size(), 2u);
}

TEST(ViewScale, StandardScalesComeFromThePreferredNumbers) {
    const struct {
        double fitted, standard;
    } cases[] = {{0.45, 0.4}, {1.14, 1.0}, {2.5, 2.5}, {3.2, 3.15}, {9.99, 8.0}, {0.0123, 0.01}, {12.6, 12.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fitted);
        EXPECT_DOUBLE_EQ(standardScaleAtMost(c.fitted), c.standard);
    }
}

// The content keeps its proportions and sits in the middle of the target.
TEST(ViewScale, FittingCentresTheContentAtOneScale) {
    const QRectF target(10, 20, 400, 300);
    const ViewTransform fitted = fitInto(QRectF(-100, -50, 200, 100), target);
    EXPECT_DOUBLE_EQ(fitted.scale(), 2.0);
    EXPECT_EQ(fitted.map(QRectF(-100, -50, 200, 100)), QRectF(10, 70, 400, 200));
    const ViewTransform standard = fitIntoAtStandardScale(QRectF(0, 0, 180, 100), target);
    EXPECT_DOUBLE_EQ(standard.scale(), 2.0);  // 400/180 = 2.22 fits
    EXPECT_EQ(standard.map(QPointF(90, 50)), target.center());
}

}  // namespace
}  // namespace dravik::test
