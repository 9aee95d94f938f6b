#include "drawing_test_support.h"

#include "design/stage2_effects.h"
#include "drawings/geometry/core_window_geometry.h"
#include "ku_lv/ku_lv_support.h"
#include "windings/hv_winding.h"

namespace dravik::test {
namespace {

using Kind = WindingBuild::Kind;

// The 100 kVA, 10/0,38 kV Y/Yn-0 design on its 140 mm rod, its windings
// calculated by the engine in the window's order, KU, LV, HV. With the rods
// 300 mm apart and 420 mm long it ends with the winding report:
//   KU  148 to 152 mm,     l_ku 20·18,5·1 = 370 mm (room 420 − 2·15),
//   LV  153 to 190,4 mm,   a1 = 2·7,1 + 0,5 + 4 = 18,7, l_lv 29·12·1,03 = 358,44 mm,
//   HV  208,4 to 248,08 mm (a12 9, a2 = 8·1,8 + 6·0,24 + 4 = 19,84),
//       l_hv = 1,8·(196 + 2)·1,03 = 367,092 mm
//       within Trunc(420 − 2·20) = 380, and D2od 248,08 within 300 − 8.
struct Case {
    double C_m = 0.3;
    double Lc_m = 0.42;
    const char* lvYokeDistance = "15";
    const char* kuLaying = "1";
};

struct Windings {
    DesignState design = design100kVA(kSchemeYYn0);
    Stage2State state;
};

const std::vector<WireRecord> kCatalogue{
    rectWire("APB 2x18,5", 2, 18.5, 37),
    rectWire("APB 7,1x12", 7.1, 12, 84),
    roundWire("APB 1,8", 1.8, 2.545),
};

Windings calculated(const Case& c) {
    Windings w;
    w.design.C = c.C_m;
    w.design.Lc_razm = c.Lc_m;
    w.design.I_hv = 100 / (std::sqrt(3.0) * 10);
    w.design.B[0] = 0.124;
    w.design.uk_norm = 4.5;  // the rated row, for the short-circuit check after the report
    Report memo;
    Stage2Effects effects;
    KuInputs ku = kuInputs();
    ku.k_t = QString::fromUtf8(c.kuLaying);
    calculateKu(ku, w.design, w.state, kCatalogue, memo, effects);
    LvInputs lv = lvInputs();
    lv.kuTicked = true;
    lv.l_01 = QString::fromUtf8(c.lvYokeDistance);
    calculateLv(lv, w.design, w.state, kCatalogue, memo, effects);
    HvInputs hv;
    hv.material = QStringLiteral("Aluminum");
    hv.shapeIndex = 1;  // round wire
    hv.nk = QStringLiteral("1");
    hv.ak = QStringLiteral("4");
    hv.kuTicked = true;
    calculateHv(hv, w.design, w.state, kCatalogue, memo, effects);
    return w;
}

CoreWindow windowOf(const Case& c, bool kuTicked = true) {
    const Windings w = calculated(c);
    return coreWindowFromState(w.design, w.state, kuTicked).value();
}

void expectBuild(const std::optional<WindingBuild>& w, double inner, double outer, double height) {
    ASSERT_TRUE(w.has_value());
    EXPECT_NEAR(w->inner_mm, inner, 1e-9);
    EXPECT_NEAR(w->outer_mm, outer, 1e-9);
    EXPECT_NEAR(w->height_mm, height, 1e-9);
}

TEST(CoreWindowGeometry, FinishedDesignGivesEachWindingItsBuild) {
    const Windings w = calculated({});
    ASSERT_TRUE(w.state.hv_done);
    const CoreWindow window = coreWindowFromState(w.design, w.state, true).value();
    EXPECT_DOUBLE_EQ(window.C_mm, 300);
    EXPECT_DOUBLE_EQ(window.lc_mm, 420);
    EXPECT_DOUBLE_EQ(window.rodRadius_mm, 70);
    EXPECT_DOUBLE_EQ(window.l01_mm, 15);
    EXPECT_DOUBLE_EQ(window.l02_mm, 20);
    EXPECT_DOUBLE_EQ(window.a22_mm, 8);
    expectBuild(window.ku, 74, 76, 370);
    expectBuild(window.lv, 76.5, 95.2, 358.44);
    expectBuild(window.hv, 104.2, 124.04, 367.092);
    for (const auto* winding : {&window.ku, &window.lv, &window.hv}) {
        EXPECT_TRUE((*winding)->radialKnown);
        EXPECT_TRUE((*winding)->fitsHeight);
    }
    EXPECT_EQ(window.hvFitsWindow, true);

    // One channel each: between the LV's two layers of 7,35 mm, after the
    // HV's fourth of eight layers of 1,98 mm (conductor and paper).
    const auto lvChannels = channelSpans(*window.lv);
    ASSERT_EQ(lvChannels.size(), 1u);
    EXPECT_NEAR(lvChannels[0].first, 83.85, 1e-9);
    EXPECT_NEAR(lvChannels[0].second, 87.85, 1e-9);
    const auto hvChannels = channelSpans(*window.hv);
    ASSERT_EQ(hvChannels.size(), 1u);
    EXPECT_NEAR(hvChannels[0].first, 112.12, 1e-9);
    EXPECT_TRUE(channelSpans(*window.ku).empty());

    // Without the KU ticked the LV starts from the rod as it was laid.
    EXPECT_FALSE(coreWindowFromState(w.design, w.state, false)->ku.has_value());
    // Before any winding is calculated the explanatory picture stays.
    EXPECT_FALSE(coreWindowFromState(w.design, Stage2State{}, true).has_value());
}

// The window between two rod axes to one standard scale, the next phase's
// windings mirrored, every size named once and no label over another.
TEST(CoreWindowGeometry, LaidOutToScaleWithTheNextPhaseMirrored) {
    const CoreWindow window = windowOf({});
    const CoreWindowScene scene = layOutCoreWindow(window, kCoreWindowArea, fixedMeasure);
    const ViewTransform& view = scene.view;
    const double s = view.scale();
    EXPECT_DOUBLE_EQ(standardScaleAtMost(s), s);
    ASSERT_EQ(scene.windings.size(), 3u);
    const double outer[] = {76, 95.2, 124.04};
    for (std::size_t i = 0; i < 3; ++i) {
        const WindingShape& shape = scene.windings[i];
        EXPECT_NEAR(shape.phaseA.right(), view.map(QPointF(outer[i], 0)).x(), 1e-9);
        EXPECT_NEAR(shape.phaseB.left(), view.map(QPointF(300 - outer[i], 0)).x(), 1e-9);
        EXPECT_NEAR(shape.phaseA.bottom(), view.map(QPointF(0, 210)).y(), 1e-9);  // cut at mid-height
        if (i > 0) {
            EXPECT_LT(scene.windings[i - 1].phaseA.right(), shape.phaseA.left());
        }
    }
    EXPECT_NEAR(scene.windings[2].phaseA.height(), 367.092 / 2 * s, 1e-9);
    EXPECT_EQ(scene.windings[1].channels.size(), 2u);  // one in each phase
    ASSERT_TRUE(scene.neighbourBand.has_value());
    EXPECT_NEAR(scene.neighbourBand->width(), 8 * s, 1e-9);
    EXPECT_NEAR(scene.neighbourBand->center().x(), view.map(QPointF(150, 0)).x(), 1e-9);
    EXPECT_FALSE(scene.neighbourWarning);

    expectTidyLabels(scene.labels, kCoreWindowArea);
    const QStringList texts = textsOf(scene.labels);
    for (const char* text : {"KU", "LV", "HV", "a01=4", "a_ku=2", "δ01=0,5", "a1=18,7", "a12=9", "a2=19,8",
                             "C−D2od=51,9", "l01=15", "l02=20", "a22=8", "l_ku=370", "l_lv=358,4", "l_hv=367,1"}) {
        EXPECT_EQ(texts.count(QString::fromUtf8(text)), 1) << text;
    }
    EXPECT_EQ(texts.size(), 16);
    for (const PlacedLabel& label : scene.labels) EXPECT_FALSE(label.warning) << label.text.toStdString();
}

// Each failed fit check marks its winding and the size that failed.
TEST(CoreWindowGeometry, FailedChecksAreMarked) {
    {
        SCOPED_TRACE("HV wider than C − a22: 248,08 mm against 242");
        const CoreWindow window = windowOf({.C_m = 0.25});
        EXPECT_EQ(window.hvFitsWindow, false);
        const CoreWindowScene scene = layOutCoreWindow(window, kCoreWindowArea, fixedMeasure);
        EXPECT_FALSE(scene.windings[2].fitsWidth);
        EXPECT_TRUE(scene.neighbourWarning);
        const PlacedLabel* gap = labelNamed(scene.labels, QStringLiteral("C−D2od=1,9"));
        ASSERT_NE(gap, nullptr);
        EXPECT_TRUE(gap->warning);
        expectTidyLabels(scene.labels, kCoreWindowArea);
    }
    {
        SCOPED_TRACE("HV higher than Trunc(400 − 2·20): 367,092 mm");
        const CoreWindow window = windowOf({.Lc_m = 0.4});
        expectBuild(window.hv, 104.2, 118.6, 367.092);  // its bare layers, 8·1,8, a12 out from the LV
        EXPECT_FALSE(window.hv->radialKnown);
        EXPECT_FALSE(window.hv->fitsHeight);
        EXPECT_FALSE(window.hvFitsWindow.has_value());
        const CoreWindowScene scene = layOutCoreWindow(window, kCoreWindowArea, fixedMeasure);
        const QStringList texts = textsOf(scene.labels);
        EXPECT_FALSE(texts.contains(QStringLiteral("a2=14,4")));  // the radial size was not calculated
        EXPECT_TRUE(labelNamed(scene.labels, QStringLiteral("l_hv=367,1"))->warning);
        EXPECT_TRUE(labelNamed(scene.labels, QStringLiteral("l02=20"))->warning);
        expectTidyLabels(scene.labels, kCoreWindowArea);
    }
    {
        SCOPED_TRACE("LV higher than 420 − 2·40: 358,44 mm");
        const CoreWindow window = windowOf({.lvYokeDistance = "40"});
        expectBuild(window.lv, 76.5, 90.7, 358.44);  // two bare layers of 7,1 after the board
        EXPECT_FALSE(window.lv->fitsHeight);
        EXPECT_FALSE(window.hv.has_value());
        EXPECT_TRUE(window.ku->fitsHeight);
    }
    {
        SCOPED_TRACE("KU higher than 400 − 2·15: 20·18,5·1,03 = 381,1 mm");
        const CoreWindow window = windowOf({.Lc_m = 0.4, .kuLaying = "1,03"});
        EXPECT_FALSE(window.ku->fitsHeight);
        EXPECT_FALSE(window.lv.has_value());  // the LV waits for a KU that fits
        const CoreWindowScene scene = layOutCoreWindow(window, kCoreWindowArea, fixedMeasure);
        EXPECT_TRUE(labelNamed(scene.labels, QStringLiteral("l_ku=381,1"))->warning);
    }
}

}  // namespace
}  // namespace dravik::test
