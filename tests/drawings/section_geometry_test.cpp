#include "drawing_test_support.h"
#include "ku_lv/ku_lv_support.h"

#include "drawings/geometry/section_geometry.h"

#include <numbers>

namespace dravik::test {
namespace {

// The rod "Pick sheets for power" gives for 100 kVA on the 0,13 m circle,
// as the fields hold it.
const QStringList kTypicalWidths{"124", "113", "100", "83", "64", "39", "0", "0"};
const QStringList kTypicalThicknesses{"20", "13", "9", "8", "7", "5", "0", "0"};

// Eight packets on a 200 mm circle, worked by hand so that each packet's
// outer corners lie on the circle or within it: half-widths 95, 88, 80, 70,
// 60, 50, 38, 25 at reaches 30, 46, 60, 71, 80, 86, 91, 95 from the axis.
const QStringList kEightWidths{"190", "176", "160", "140", "120", "100", "76", "50"};
const QStringList kEightThicknesses{"60", "16", "14", "11", "9", "6", "5", "4"};

SteppedSection typicalRod() { return *rodSectionFromTexts(kTypicalWidths, kTypicalThicknesses, "0,13"); }
SteppedSection eightPackets() { return *rodSectionFromTexts(kEightWidths, kEightThicknesses, "0.2"); }

TEST(SectionGeometry, TypicalRodPacketsBecomeRectanglesAboutTheAxis) {
    const SteppedSection rod = typicalRod();
    ASSERT_EQ(rod.packets.size(), 6u);
    EXPECT_DOUBLE_EQ(rod.circle_mm, 130);
    const std::vector<PacketRect> rects = packetRectangles(rod);
    ASSERT_EQ(rects.size(), 11u);  // the centre packet once, five packets twice
    EXPECT_EQ(rects[0].rect, QRectF(-62, -10, 124, 20));
    EXPECT_EQ(rects[1].rect, QRectF(-56.5, -23, 113, 13));  // above the centre packet
    EXPECT_EQ(rects[2].rect, QRectF(-56.5, 10, 113, 13));   // and below it
    EXPECT_EQ(rects[10].rect, QRectF(-19.5, 47, 39, 5));
    EXPECT_EQ(rects[10].packet, 5);
    for (const PacketRect& r : rects) EXPECT_FALSE(r.outsideCircle) << r.packet;
    EXPECT_DOUBLE_EQ(stackThickness_mm(rod), 104);
    // 124·20 + 2·(113·13 + 100·9 + 83·8 + 64·7 + 39·5) = 9832 mm², the
    // 0,010 m² of the Stage I report; of π·130²/4 = 13 273 mm² that is 74,07 %.
    EXPECT_DOUBLE_EQ(grossArea_mm2(rod), 9832);
    EXPECT_NEAR(circleFill_percent(rod), 74.07, 0.005);
    EXPECT_EQ(circleFillText(rod), QStringLiteral("Fill of the circle 74,1 %"));
}

TEST(SectionGeometry, EightPacketsFillTheirCircle) {
    const SteppedSection rod = eightPackets();
    ASSERT_EQ(rod.packets.size(), 8u);
    const std::vector<PacketRect> rects = packetRectangles(rod);
    ASSERT_EQ(rects.size(), 15u);
    EXPECT_EQ(rects.back().rect, QRectF(-25, 91, 50, 4));
    for (const PacketRect& r : rects) EXPECT_FALSE(r.outsideCircle) << r.packet;
    // 190·60 + 2·(176·16 + 160·14 + 140·11 + 120·9 + 100·6 + 76·5 + 50·4)
    // = 29 112 mm² of 31 416 mm².
    EXPECT_DOUBLE_EQ(grossArea_mm2(rod), 29112);
    EXPECT_NEAR(circleFill_percent(rod), 92.67, 0.005);
    EXPECT_DOUBLE_EQ(stackThickness_mm(rod), 190);
}

// What the user typed decides: the stack ends at the first packet without
// sheets, a text that is no number leaves no section (the explanatory
// picture stays), a packet too wide for the circle is marked.
TEST(SectionGeometry, TypedTextsDecideThePackets) {
    const auto packets = [](QStringList widths, QStringList thicknesses, const char* diameter) {
        const auto section = rodSectionFromTexts(widths, thicknesses, diameter);
        return section ? static_cast<int>(section->packets.size()) : -1;
    };
    const QStringList zeros(8, "0");
    EXPECT_EQ(packets({"124", "113", "0", "83", "0", "0", "0", "0"}, kTypicalThicknesses, "0,13"), 2);
    EXPECT_EQ(packets(kTypicalWidths, {"20", "13", "9", "0", "7", "5", "0", "0"}, "0,13"), 3);
    EXPECT_EQ(packets(kTypicalWidths, kTypicalThicknesses, "0.13"), 6);  // a point typed out of habit
    EXPECT_EQ(packets(zeros, zeros, "0,13"), -1);                        // the fields as the window starts
    EXPECT_EQ(packets(kTypicalWidths, kTypicalThicknesses, "0"), -1);
    EXPECT_EQ(packets(kTypicalWidths, kTypicalThicknesses, "13 cm"), -1);
    EXPECT_EQ(packets({"124", "113", "100", "83", "64", "39", "0", "x"}, kTypicalThicknesses, "0,13"), -1);

    const SteppedSection wide = *rodSectionFromTexts({"124", "126", "0", "0", "0", "0", "0", "0"},
                                                     {"20", "13", "0", "0", "0", "0", "0", "0"}, "0,13");
    const std::vector<PacketRect> rects = packetRectangles(wide);
    EXPECT_FALSE(rects[0].outsideCircle);
    EXPECT_TRUE(rects[1].outsideCircle);  // corner at (63, 23): 67 mm from the axis
}

// The yoke is drawn in the circle round its centre packet.
TEST(SectionGeometry, YokeCircleGoesRoundItsCentrePacket) {
    const auto yoke = yokeSectionFromTexts({"124", "113", "100", "83", "64", "39", "0", "0"},
                                           {"20", "13", "9", "8", "7", "5", "0", "0"});
    ASSERT_TRUE(yoke.has_value());
    EXPECT_EQ(yoke->packets.size(), 6u);
    EXPECT_NEAR(yoke->circle_mm, 125.60, 0.005);  // sqrt(124² + 20²)
}

// To scale, inside the drawing, every packet named once by its width and
// once by its thickness, and no label over another: on the Stage I drawing
// and on the smallest the window allows.
TEST(SectionGeometry, LaidOutToScaleWithEveryPacketNamed) {
    const struct {
        const char* name;
        SteppedSection section;
        QRectF area;
    } cases[] = {
        {"typical", typicalRod(), kSectionArea},
        {"eight packets", eightPackets(), kSectionArea},
        {"eight packets, small", eightPackets(), kSmallSectionArea},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SectionScene scene = layOutSection(c.section, c.area, {"А", "а"}, fixedMeasure);
        const double scale = scene.view.scale();
        EXPECT_DOUBLE_EQ(standardScaleAtMost(scale), scale);
        EXPECT_DOUBLE_EQ(scene.radius, c.section.circle_mm / 2 * scale);
        EXPECT_TRUE(c.area.contains(QRectF(scene.centre.x() - scene.radius, scene.centre.y() - scene.radius,
                                           2 * scene.radius, 2 * scene.radius)));
        ASSERT_EQ(scene.packets.size(), 2 * c.section.packets.size() - 1);
        EXPECT_NEAR(scene.packets[0].rect.width(), c.section.packets[0].width_mm * scale, 1e-9);
        EXPECT_NEAR(scene.stack.line.length(), stackThickness_mm(c.section) * scale, 1e-9);

        expectTidyLabels(scene.labels, c.area);
        const QStringList texts = textsOf(scene.labels);
        EXPECT_EQ(texts.size(), static_cast<qsizetype>(2 * c.section.packets.size() + 3));
        for (std::size_t i = 0; i < c.section.packets.size(); ++i) {
            EXPECT_EQ(texts.count(QStringLiteral("А%1=%2").arg(i + 1).arg(c.section.packets[i].width_mm)), 1);
            EXPECT_EQ(texts.count(QStringLiteral("а%1=%2").arg(i + 1).arg(c.section.packets[i].thickness_mm)), 1);
        }
        EXPECT_TRUE(texts.contains(circleFillText(c.section)));
        const QRectF stackLine = QRectF(scene.stack.line.p1(), scene.stack.line.p2()).adjusted(-1, 0, 1, 0);
        for (const PlacedLabel& label : scene.labels) EXPECT_FALSE(label.box.intersects(stackLine)) << label.text.toStdString();
    }
}

}  // namespace
}  // namespace dravik::test
