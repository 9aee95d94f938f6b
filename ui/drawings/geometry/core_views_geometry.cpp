#include "drawings/geometry/core_views_geometry.h"

#include "drawings/geometry/drawing_numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dravik {
namespace {

// Room for a dimension line beside a view, in the painter's units.
constexpr double kDimensionOffset = 8;

// Labels of the views' sizes.
struct ViewTexts {
    QString C, lc, yoke, l0, D;
};

ViewTexts textsOf(const CoreViews& core) {
    return {sizeLabel(QStringLiteral("C"), core.C_mm), sizeLabel(QStringLiteral("lс"), core.lc_mm),
            sizeLabel(QStringLiteral("B1"), core.yokeHeight_mm), sizeLabel(QStringLiteral("l0"), overallLength_mm(core)),
            sizeLabel(QStringLiteral("D"), core.rod.circle_mm)};
}

QRectF boundsOf(const std::vector<PacketRect>& packets) {
    QRectF bounds;
    for (const PacketRect& p : packets) bounds = bounds.united(p.rect);
    return bounds;
}

}  // namespace

std::optional<CoreViews> coreViewsFromTexts(const QString& C, const QString& lc, const QStringList& widths,
                                            const QStringList& thicknesses, const QString& diameter_m,
                                            const QString& yokeCentreWidth) {
    const auto sizes = typedNumbers({C, lc, yokeCentreWidth});
    if (!sizes || !std::all_of(sizes->begin(), sizes->end(), [](double v) { return v > 0; })) return std::nullopt;
    auto rod = rodSectionFromTexts(widths, thicknesses, diameter_m);
    if (!rod) return std::nullopt;
    return CoreViews{(*sizes)[0], (*sizes)[1], (*sizes)[2], std::move(*rod)};
}

double overallLength_mm(const CoreViews& core) { return 2 * core.C_mm + core.rod.packets.front().width_mm; }

CoreViewsScene layOutCoreViews(const CoreViews& core, const QRectF& target, const TextMeasure& measure) {
    CoreViewsScene scene;
    const ViewTexts texts = textsOf(core);
    const double textHeight = measure(texts.C).height();
    const double A1 = core.rod.packets.front().width_mm;
    const double l0 = overallLength_mm(core);
    const double frontHeight = core.lc_mm + 2 * core.yokeHeight_mm;
    const std::vector<PacketRect> section = packetRectangles(core.rod);
    const QRectF sectionBounds = boundsOf(section).united(
        QRectF(-core.rod.circle_mm / 2, -core.rod.circle_mm / 2, core.rod.circle_mm, core.rod.circle_mm));

    // Margins for the dimension lines and their labels: C above the front
    // view, the yoke height to its right, l0 below the top view.
    const double right = kDimensionOffset + 6 + std::max(measure(texts.yoke).width(), measure(texts.D).width());
    const double gap = kDimensionOffset + 6;
    const QRectF area = target.adjusted(6, textHeight + kDimensionOffset + 6, -right, -(textHeight + kDimensionOffset + 8));
    // The rod circles of the top view may stand out beyond the front view.
    const double leftMm = std::min(0.0, A1 / 2 + sectionBounds.left());
    const double rightMm = std::max(l0, A1 / 2 + 2 * core.C_mm + sectionBounds.right());
    const double planHeight = sectionBounds.height();
    const double scale =
        std::min(area.width() / (rightMm - leftMm), (area.height() - gap) / (frontHeight + planHeight));
    const double gapMm = scale > 0 ? gap / scale : 0;
    const double planAxis = frontHeight + gapMm - sectionBounds.top();
    const QRectF contentMm(leftMm, 0, rightMm - leftMm, frontHeight + gapMm + planHeight);
    scene.view = fitIntoAtStandardScale(contentMm, area);
    const ViewTransform& view = scene.view;
    const double px = view.scale() > 0 ? 1 / view.scale() : 1;  // one painter unit in mm

    // Front view: yokes across, rods between them.
    scene.steel.push_back(view.map(QRectF(0, 0, l0, core.yokeHeight_mm)));
    scene.steel.push_back(view.map(QRectF(0, core.yokeHeight_mm + core.lc_mm, l0, core.yokeHeight_mm)));
    for (int rod = 0; rod < 3; ++rod) {
        scene.steel.push_back(view.map(QRectF(rod * core.C_mm, core.yokeHeight_mm, A1, core.lc_mm)));
    }
    scene.front = view.map(QRectF(0, 0, l0, frontHeight));

    // Top view: each rod's section round its axis.
    for (int rod = 0; rod < 3; ++rod) {
        const QPointF axis(A1 / 2 + rod * core.C_mm, planAxis);
        RodPlan plan{view.map(axis), view.length(core.rod.circle_mm / 2), {}};
        for (const PacketRect& p : section) plan.packets.push_back({view.map(p.rect.translated(axis)), p.packet, p.outsideCircle});
        scene.plan.push_back(plan);
        scene.axes.push_back(view.map(QLineF(axis.x(), -4 * px, axis.x(), planAxis + sectionBounds.bottom() + 4 * px)));
    }

    // C between the first two axes, above the front view.
    const double cY = -kDimensionOffset * px;
    const QLineF cLine = view.map(QLineF(A1 / 2, cY, A1 / 2 + core.C_mm, cY));
    scene.dimensions.push_back({cLine});
    // lс down the first window, near its left side so that its label has
    // the rest of the window.
    const double lcX = A1 + (core.C_mm - A1) / 4;
    const QLineF lcLine = view.map(QLineF(lcX, core.yokeHeight_mm, lcX, core.yokeHeight_mm + core.lc_mm));
    scene.dimensions.push_back({lcLine});
    // The yoke height beside the top yoke.
    const double yokeX = l0 + kDimensionOffset * px;
    const QLineF yokeLine = view.map(QLineF(yokeX, 0, yokeX, core.yokeHeight_mm));
    scene.dimensions.push_back({yokeLine});
    scene.witnesses.push_back(view.map(QLineF(l0, 0, yokeX + 3 * px, 0)));
    scene.witnesses.push_back(view.map(QLineF(l0, core.yokeHeight_mm, yokeX + 3 * px, core.yokeHeight_mm)));
    // l0 under the top view, between the outer faces of the outer rods.
    const double l0Y = planAxis + sectionBounds.bottom() + kDimensionOffset * px;
    const QLineF l0Line = view.map(QLineF(0, l0Y, l0, l0Y));
    scene.dimensions.push_back({l0Line});
    scene.witnesses.push_back(view.map(QLineF(0, planAxis, 0, l0Y + 3 * px)));
    scene.witnesses.push_back(view.map(QLineF(l0, planAxis, l0, l0Y + 3 * px)));
    // D across the third rod's circle.
    const RodPlan& third = scene.plan.back();
    const double d = third.radius * std::numbers::sqrt2 / 2;
    const QLineF dLine(third.centre + QPointF(-d, d), third.centre + QPointF(d, -d));
    scene.dimensions.push_back({dLine});

    LabelPlacer placer(target);
    for (const DimensionLine& dimension : scene.dimensions) placer.keepClear(dimension.line, 1.5);
    const auto above = [&](const QLineF& line, const QString& text) {
        const QSizeF size = measure(text);
        const QPointF at = line.center();
        placer.place({text, boxAround(at - QPointF(0, size.height() / 2 + 2), size), at, {}, false});
    };
    const auto below = [&](const QLineF& line, const QString& text) {
        const QSizeF size = measure(text);
        const QPointF at = line.center();
        placer.place({text, boxAround(at + QPointF(0, size.height() / 2 + 2), size), at, {}, false});
    };
    const auto rightOf = [&](const QLineF& line, const QString& text) {
        const QPointF at = line.center();
        placer.place({text, boxRightOf(at, measure(text), 3), at, {}, false});
    };
    above(cLine, texts.C);
    rightOf(lcLine, texts.lc);
    rightOf(yokeLine, texts.yoke);
    below(l0Line, texts.l0);
    placer.place({texts.D, boxRightOf(dLine.p2(), measure(texts.D), 2).translated(0, -textHeight / 2), dLine.p2(), {},
                  false});
    scene.labels = placer.placed();
    return scene;
}

}  // namespace dravik
