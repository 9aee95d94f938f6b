#include "drawings/geometry/core_window_geometry.h"

#include "design/design_state.h"
#include "design/stage2_state.h"
#include "drawings/geometry/drawing_numbers.h"

#include <algorithm>

namespace dravik {
namespace {

using Kind = WindingBuild::Kind;

// Room under the window for the chain of sizes across it, in text heights.
constexpr double kChainRows = 2.8;
// The chain's distance below the window's mid-height, in painter units.
constexpr double kChainOffset = 10;

WindingBuild kuBuild(const KuState& ku, bool fits) {
    return {Kind::Ku, ku.D_ku_in / 2, ku.D_ku_out / 2, ku.l_ku, ku.n_layers_ku, ku.n_k_ku, ku.a_k_ku, true, fits};
}

// The LV as far as its run came: with its diameters once it fitted the rod,
// otherwise as wide as its bare layers, where it would start.
WindingBuild lvBuild(const Stage2State& s, const std::optional<WindingBuild>& ku, double rodRadius_mm) {
    const LvState& lv = s.lv;
    const bool fits = *s.fit.lv_on_rod;
    WindingBuild b{Kind::Lv, lv.D_lv_in / 2, lv.D_lv_out / 2, lv.l_lv, lv.nlv, lv.n_k, lv.a_k, true, fits};
    if (!(fits && s.lv_done)) {
        b.radialKnown = false;
        b.inner_mm = ku ? ku->outer_mm + lv.delta_01 : rodRadius_mm + lv.a_01;
        b.outer_mm = b.inner_mm + lv.nlv * lv.b_turn;
    }
    return b;
}

// The HV likewise: its diameters once its width was checked, otherwise its
// bare layers a_12 out from the LV.
WindingBuild hvBuild(const Stage2State& s, const WindingBuild& lv) {
    const HvState& hv = s.hv;
    WindingBuild b{Kind::Hv, hv.D_hv_in / 2, hv.D2od / 2, hv.l_hv, hv.n_layers_hv, hv.n_k_hv, s.lv.a_k, true,
                   *s.fit.hv_on_rod};
    if (!s.fit.hv_in_window) {
        b.radialKnown = false;
        b.inner_mm = lv.outer_mm + hv.a_12;
        b.outer_mm = b.inner_mm + hv.n_layers_hv * hv.hv_wire.D;
    }
    return b;
}

// The symbols the program gives a winding's radial size and height.
QString radialSymbol(Kind kind) {
    switch (kind) {
    case Kind::Ku: return QStringLiteral("a_ku");
    case Kind::Lv: return QStringLiteral("a1");
    case Kind::Hv: return QStringLiteral("a2");
    }
    return {};
}

QString heightSymbol(Kind kind) {
    switch (kind) {
    case Kind::Ku: return QStringLiteral("l_ku");
    case Kind::Lv: return QStringLiteral("l_lv");
    case Kind::Hv: return QStringLiteral("l_hv");
    }
    return {};
}

QString windingName(Kind kind) {
    switch (kind) {
    case Kind::Ku: return QStringLiteral("KU");
    case Kind::Lv: return QStringLiteral("LV");
    case Kind::Hv: return QStringLiteral("HV");
    }
    return {};
}

// The gap in front of a winding: from the rod, or from the winding inside it.
QString gapSymbol(Kind kind, bool first) {
    if (first) return QStringLiteral("a01");
    return kind == Kind::Hv ? QStringLiteral("a12") : QStringLiteral("δ01");
}

std::vector<WindingBuild> windingsOf(const CoreWindow& w) {
    std::vector<WindingBuild> windings;
    for (const auto* winding : {&w.ku, &w.lv, &w.hv}) {
        if (*winding) windings.push_back(**winding);
    }
    return windings;
}

// The same span seen on the neighbouring rod, C away and mirrored.
QRectF mirrored(const QRectF& r, double C_mm) { return {C_mm - r.right(), r.top(), r.width(), r.height()}; }

}  // namespace

std::optional<CoreWindow> coreWindowFromState(const DesignState& design, const Stage2State& stage2, bool kuTicked) {
    if (!(design.C > 0 && design.Lc_razm > 0 && design.D_rod > 0)) return std::nullopt;
    CoreWindow w;
    w.C_mm = 1000 * design.C;
    w.lc_mm = 1000 * design.Lc_razm;
    w.rodRadius_mm = 1000 * design.D_rod / 2;
    w.yokeHeight_mm = 1000 * design.B[0];
    w.l01_mm = 1000 * stage2.lv.l_01;
    w.l02_mm = stage2.hv.l_02;
    w.a22_mm = stage2.hv.a22;
    const FitChecks& fit = stage2.fit;
    if (kuTicked && fit.ku_on_rod) w.ku = kuBuild(stage2.ku, *fit.ku_on_rod);
    if (fit.lv_on_rod) w.lv = lvBuild(stage2, w.ku, w.rodRadius_mm);
    if (w.lv && fit.hv_on_rod) {
        w.hv = hvBuild(stage2, *w.lv);
        w.hvFitsWindow = fit.hv_in_window;
    }
    if (!w.ku && !w.lv && !w.hv) return std::nullopt;
    return w;
}

std::vector<std::pair<double, double>> channelSpans(const WindingBuild& winding) {
    std::vector<std::pair<double, double>> spans;
    if (!winding.radialKnown || winding.channels <= 0 || winding.layers <= 0 || !(winding.channel_mm > 0)) return spans;
    const double build = winding.outer_mm - winding.inner_mm;
    const double layer = (build - winding.channels * winding.channel_mm) / winding.layers;
    if (!(layer > 0)) return spans;
    for (int c = 1; c <= winding.channels; ++c) {
        const int layersBefore = winding.layers * c / (winding.channels + 1);
        const double from = winding.inner_mm + layersBefore * layer + (c - 1) * winding.channel_mm;
        spans.emplace_back(from, from + winding.channel_mm);
    }
    return spans;
}

CoreWindowScene layOutCoreWindow(const CoreWindow& window, const QRectF& target, const TextMeasure& measure) {
    CoreWindowScene scene;
    const double C = window.C_mm;
    const double half = window.lc_mm / 2;
    const double R = window.rodRadius_mm;
    const double yokeShown = window.yokeHeight_mm > 0 ? std::min(window.yokeHeight_mm, half / 6) : half / 10;
    const double textHeight = measure(QStringLiteral("0")).height();
    const QRectF area = target.adjusted(4, 4, -4, -(kChainOffset + kChainRows * textHeight));
    scene.view = fitIntoAtStandardScale(QRectF(0, -yokeShown, C, half + yokeShown), area);
    const ViewTransform& view = scene.view;
    const double px = view.scale() > 0 ? 1 / view.scale() : 1;  // one painter unit in mm

    scene.yoke = view.map(QRectF(0, -yokeShown, C, yokeShown));
    scene.rods = {view.map(QRectF(0, 0, R, half)), view.map(QRectF(C - R, 0, R, half))};
    scene.axes = {view.map(QLineF(0, half, C, half)), view.map(QLineF(0, -yokeShown, 0, half)),
                  view.map(QLineF(C, -yokeShown, C, half))};

    const std::vector<WindingBuild> windings = windingsOf(window);
    const bool hvWide = window.hvFitsWindow == false;
    for (const WindingBuild& w : windings) {
        const double top = std::max(-yokeShown, half - w.height_mm / 2);
        const QRectF a(w.inner_mm, top, w.outer_mm - w.inner_mm, half - top);
        WindingShape shape{w.kind, view.map(a), view.map(mirrored(a, C)), {}, w.radialKnown, w.fitsHeight, true};
        shape.fitsWidth = !(w.kind == Kind::Hv && hvWide);
        for (const auto& [from, to] : channelSpans(w)) {
            const QRectF channel(from, top, to - from, half - top);
            shape.channels.push_back(view.map(channel));
            shape.channels.push_back(view.map(mirrored(channel, C)));
        }
        scene.windings.push_back(shape);
    }

    // The room of the windings: l01 from the yoke over the KU and LV, l02
    // over the HV, and the gap a22 that two phases' HV windings must leave.
    const auto limit = [&](double y, double from, double to) {
        scene.limits.push_back(view.map(QLineF(from, y, to, y)));
        scene.limits.push_back(view.map(QLineF(C - to, y, C - from, y)));
    };
    const std::optional<WindingBuild> inner = window.lv ? window.lv : window.ku;
    if (inner && window.l01_mm > 0) limit(window.l01_mm, R, inner->outer_mm + 2);
    if (window.hv && window.l02_mm > 0) limit(window.l02_mm, window.hv->inner_mm - 2, window.hv->outer_mm + 2);
    if (window.hv && window.a22_mm > 0) {
        scene.neighbourBand = view.map(QRectF((C - window.a22_mm) / 2, 0, window.a22_mm, half));
        scene.neighbourWarning = hvWide;
    }

    // The chain of sizes across the window, from the rod's circle outwards;
    // it ends at a winding whose radial size was not calculated.
    const double chainY = half + kChainOffset * px;
    struct Link {
        double from, to;
        QString name;
        bool warning;
    };
    std::vector<Link> chain;
    double edge = R;
    for (std::size_t i = 0; i < windings.size(); ++i) {
        const WindingBuild& w = windings[i];
        if (!w.radialKnown) break;
        chain.push_back({edge, w.inner_mm, gapSymbol(w.kind, i == 0), false});
        chain.push_back({w.inner_mm, w.outer_mm, radialSymbol(w.kind), false});
        edge = w.outer_mm;
    }
    if (window.hv && window.hv->radialKnown) {
        chain.push_back({window.hv->outer_mm, C - window.hv->outer_mm, QStringLiteral("C−D2od"), hvWide});
    }
    const QRectF belowChain(target.left(), view.map(QPointF(0, chainY)).y() + 1, target.width(),
                            target.bottom() - view.map(QPointF(0, chainY)).y() - 1);
    const QRectF insideWindow = view.map(QRectF(0, 0, C, half));

    LabelPlacer placer(target);
    std::vector<LabelRequest> chainLabels;
    for (const Link& link : chain) {
        if (!(link.to - link.from > 0)) continue;
        const QLineF line = view.map(QLineF(link.from, chainY, link.to, chainY));
        scene.dimensions.push_back({line, link.warning});
        scene.witnesses.push_back(view.map(QLineF(link.from, half, link.from, chainY + 4 * px)));
        scene.witnesses.push_back(view.map(QLineF(link.to, half, link.to, chainY + 4 * px)));
        const QString text = sizeLabel(link.name, link.to - link.from);
        const QSizeF size = measure(text);
        const QPointF at = line.center();
        chainLabels.push_back({text, boxAround(at + QPointF(0, size.height() / 2 + 2), size), at, belowChain,
                               link.warning});
    }

    // l01 and l02 down from the yoke, beside the windings they bound.
    std::vector<LabelRequest> yokeLabels;
    const auto fromYoke = [&](const WindingBuild& w, double distance, const QString& name) {
        const double x = (w.inner_mm + w.outer_mm) / 2;
        const QLineF line = view.map(QLineF(x, 0, x, distance));
        scene.dimensions.push_back({line, !w.fitsHeight});
        const QString text = sizeLabel(name, distance);
        yokeLabels.push_back({text, boxRightOf(line.center(), measure(text), 3), line.center(), insideWindow,
                              !w.fitsHeight});
    };
    if (inner && window.l01_mm > 0) fromYoke(*inner, window.l01_mm, QStringLiteral("l01"));
    if (window.hv && window.l02_mm > 0) fromYoke(*window.hv, window.l02_mm, QStringLiteral("l02"));

    for (const DimensionLine& d : scene.dimensions) placer.keepClear(d.line, 1.5);
    // Names first, inside the windings' tops; then the sizes.
    for (const WindingShape& shape : scene.windings) {
        const QString name = windingName(shape.kind);
        const QSizeF size = measure(name);
        const QPointF at(shape.phaseA.center().x(), shape.phaseA.top() + size.height() * 0.8);
        placer.place({name, boxAround(at, size), at, insideWindow, false});
    }
    // The chain's labels keep its order: each starts right of the one before.
    double chainStart = belowChain.left();
    for (LabelRequest request : chainLabels) {
        request.within.setLeft(std::max(request.within.left(), chainStart));
        chainStart = placer.place(request).box.left() + 1;
    }
    for (const LabelRequest& request : yokeLabels) placer.place(request);
    if (scene.neighbourBand) {
        const QString text = sizeLabel(QStringLiteral("a22"), window.a22_mm);
        const QPointF at(scene.neighbourBand->center().x(), scene.neighbourBand->top() + scene.neighbourBand->height() / 4);
        placer.place({text, boxAround(at, measure(text)), at, insideWindow, hvWide});
    }
    for (std::size_t i = 0; i < windings.size(); ++i) {
        const WindingBuild& w = windings[i];
        const QRectF& shown = scene.windings[i].phaseA;
        const QString text = sizeLabel(heightSymbol(w.kind), w.height_mm);
        const QPointF at = shown.center();
        placer.place({text, boxAround(at, measure(text)), at, insideWindow, !w.fitsHeight});
    }
    scene.labels = placer.placed();
    return scene;
}

}  // namespace dravik
