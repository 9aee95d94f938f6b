#include "drawing_test_support.h"
#include "ku_lv/ku_lv_support.h"

#include "drawings/geometry/core_views_geometry.h"

namespace dravik::test {
namespace {

const QStringList kWidths{"124", "113", "100", "83", "64", "39", "0", "0"};
const QStringList kThicknesses{"20", "13", "9", "8", "7", "5", "0", "0"};
// The Stage I core drawing at the size the window gives it.
const QRectF kCoreArea(4, 4, 307, 412);

CoreViews typicalCore(const char* C) { return *coreViewsFromTexts(C, "400", kWidths, kThicknesses, "0,13", "124"); }

TEST(CoreViewsGeometry, SizesComeFromTheFieldsOrNotAtAll) {
    const CoreViews core = typicalCore("270");
    EXPECT_DOUBLE_EQ(core.C_mm, 270);
    EXPECT_DOUBLE_EQ(core.lc_mm, 400);
    EXPECT_DOUBLE_EQ(core.yokeHeight_mm, 124);
    EXPECT_DOUBLE_EQ(overallLength_mm(core), 664);  // 2·270 + 124
    EXPECT_FALSE(coreViewsFromTexts("0", "400", kWidths, kThicknesses, "0,13", "124"));
    EXPECT_FALSE(coreViewsFromTexts("270", "400", kWidths, kThicknesses, "0,13", "0"));  // the yoke window's default
    EXPECT_FALSE(coreViewsFromTexts("270", "4OO", kWidths, kThicknesses, "0,13", "124"));
}

// One scale for both views, so that the core's proportions are true: the
// front view is l0 wide and lс + 2·B1 high, the rods C apart.
TEST(CoreViewsGeometry, ProportionsAreTrue) {
    const CoreViewsScene scene = layOutCoreViews(typicalCore("270"), kCoreArea, fixedMeasure);
    const double s = scene.view.scale();
    EXPECT_NEAR(scene.front.width(), 664 * s, 1e-9);
    EXPECT_NEAR(scene.front.height(), 648 * s, 1e-9);
    ASSERT_EQ(scene.steel.size(), 5u);  // two yokes, three rods
    EXPECT_NEAR(scene.steel[3].left() - scene.steel[2].left(), 270 * s, 1e-9);
    EXPECT_NEAR(scene.steel[2].width(), 124 * s, 1e-9);
    EXPECT_NEAR(scene.steel[0].height(), 124 * s, 1e-9);
    ASSERT_EQ(scene.plan.size(), 3u);
    EXPECT_NEAR(scene.plan[0].radius, 65 * s, 1e-9);
    EXPECT_NEAR(scene.plan[1].centre.x() - scene.plan[0].centre.x(), 270 * s, 1e-9);
    EXPECT_GT(scene.plan[0].centre.y() - scene.plan[0].radius, scene.front.bottom());  // the top view below
    EXPECT_TRUE(kCoreArea.contains(scene.front));
    expectTidyLabels(scene.labels, kCoreArea);
    EXPECT_EQ(textsOf(scene.labels), QStringList({"C=270", "lс=400", "B1=124", "l0=664", "D=130"}));
}

// Moving the rods apart from 270 to 300 mm draws a wider core, not a
// smaller one.
TEST(CoreViewsGeometry, WiderRodSpacingDrawsAWiderCore) {
    const CoreViewsScene narrow = layOutCoreViews(typicalCore("270"), kCoreArea, fixedMeasure);
    const CoreViewsScene wide = layOutCoreViews(typicalCore("300"), kCoreArea, fixedMeasure);
    EXPECT_DOUBLE_EQ(wide.view.scale(), narrow.view.scale());
    EXPECT_NEAR(wide.front.width() - narrow.front.width(), 60 * narrow.view.scale(), 1e-9);
    EXPECT_DOUBLE_EQ(wide.front.height(), narrow.front.height());
    expectTidyLabels(wide.labels, kCoreArea);
}

}  // namespace
}  // namespace dravik::test
