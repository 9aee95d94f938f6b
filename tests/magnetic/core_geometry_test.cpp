#include "common/command_error.h"
#include "common/number_text.h"
#include "magnetic/core_geometry.h"
#include "magnetic/core_geometry_tables.h"

#include <gtest/gtest.h>

namespace dravik {
namespace {

using Rod = std::array<QString, 8>;
using Yoke = std::array<QString, 6>;
using Window = std::array<QString, 3>;

Rod rod(std::initializer_list<const char*> texts) {
    Rod packets;
    packets.fill(QStringLiteral("0"));
    size_t i = 0;
    for (const char* text : texts) packets[i++] = QString::fromLatin1(text);
    return packets;
}

Yoke yoke(std::initializer_list<const char*> texts) {
    Yoke packets;
    packets.fill(QStringLiteral("0"));
    size_t i = 0;
    for (const char* text : texts) packets[i++] = QString::fromLatin1(text);
    return packets;
}

Yoke firstSix(const Rod& packets) {
    Yoke six;
    for (size_t i = 0; i < six.size(); ++i) six[i] = packets[i];
    return six;
}

int diameterItem(const char* text) {
    for (size_t i = 0; i < kStandardDiameters.size(); ++i) {
        if (QLatin1String(kStandardDiameters[i]) == QLatin1String(text)) return static_cast<int>(i);
    }
    return -1;
}

struct PickCase {
    const char* name;
    const char* power;
    const char* diameter;
    bool pressPlate;
    std::optional<Window> window;
    const char* standardDiameter;
    int steps;
    std::optional<Rod> A, a;
    std::optional<Yoke> B, b;  // unset with A set: the yoke follows the rod
};

// Packet sizes by hand: factor x D in mm, a true half up (0.15 x 130 = 19.5
// gives 20); 7 and 8 steps from the fixed sizes of the diameter.
// The diameter list the user sees and the millimetres the core tables use
// are two tables: an item whose text and millimetres disagree would size
// the core for another diameter than the one shown.
TEST(StandardDiameters, ListTextsAndMillimetresAgree) {
    for (std::size_t i = 0; i < kStandardDiameters.size(); ++i) {
        EXPECT_EQ(parseFloat(QString::fromLatin1(kStandardDiameters[i])),
                  core_tables::kStandardDiameters_mm[i] / 1000.0)
            << kStandardDiameters[i];
    }
}

TEST(PickStandardSheets, PowersAndDiameters) {
    const PickCase cases[] = {
        {"defaults", "100", "0,13", false, Window{"400", "150", "270"}, "0,13", 6,
         rod({"124", "113", "100", "83", "64", "39"}), rod({"20", "13", "9", "8", "7", "5"}), {}, {}},
        {"400 kVA held to 0,14", "400", "0,15", false, Window{"1000", "280", "490"}, "0,14", 6,
         rod({"134", "122", "108", "90", "69", "42"}), rod({"21", "14", "10", "9", "7", "6"}), {}, {}},
        {"16 kVA typed", "16", "0,13", false, std::nullopt, "0,08", 4, rod({"75", "64", "48", "30"}),
         rod({"14", "10", "8", "5"}), {}, {}},
        {"25 kVA held to 0,09", "25", "0,13", false, Window{"290", "123", "213"}, "0,09", 5,
         rod({"86", "76", "64", "48", "28"}), rod({"14", "9", "8", "6", "5"}), {}, {}},
        {"0,105: a half of 31,5 up", "63", "0,105", false, Window{"400", "145", "255"}, "0,105", 6,
         rod({"100", "91", "81", "67", "52", "32"}), rod({"16", "10", "8", "7", "5", "4"}), {}, {}},
        {"160 kVA has no window row", "160", "0,13", false, std::nullopt, "0,13", 6,
         rod({"124", "113", "100", "83", "64", "39"}), rod({"20", "13", "9", "8", "7", "5"}), {}, {}},
        {"250 kVA, 0,19: seven steps", "250", "0,19", false, Window{"800", "270", "450"}, "0,19", 7,
         rod({"180", "165", "145", "130", "115", "100", "75"}), rod({"30", "17", "14", "8", "7", "5", "7"}),
         yoke({"180", "165", "145", "130", "115"}), yoke({"30", "17", "14", "8", "7"})},
        {"250 kVA, 0,19 with press plate", "250", "0,19", true, Window{"800", "270", "450"}, "0,19", 7,
         rod({"180", "165", "145", "130", "115", "100", "0"}), rod({"30", "17", "14", "8", "7", "5", "0"}),
         yoke({"180", "165", "145", "130", "115"}), yoke({"30", "17", "14", "8", "7"})},
        {"630 kVA, 0,225: eight steps", "630", "0,225", false, Window{"1050", "320", "560"}, "0,225", 8,
         rod({"215", "195", "175", "155", "135", "120", "105", "75"}), rod({"23", "28", "15", "12", "9", "5", "4", "7"}),
         yoke({"215", "195", "175", "155", "135", "120"}), yoke({"23", "28", "15", "12", "9", "5"})},
        {"630 kVA, 0,225 with press plate", "630", "0,225", true, Window{"1050", "320", "560"}, "0,225", 8,
         rod({"215", "195", "175", "155", "135", "120", "0", "75"}), rod({"23", "28", "15", "12", "9", "5", "0", "7"}),
         yoke({"215", "195", "175", "155", "135", "120"}), yoke({"23", "28", "15", "12", "9", "5"})},
        {"630 kVA, 0,20: eight steps, no sizes", "630", "0,20", false, Window{"1050", "320", "560"}, "0,20", 8,
         std::nullopt, std::nullopt, {}, {}},
    };
    for (const PickCase& c : cases) {
        SCOPED_TRACE(c.name);
        CoreGeometryMemory memory;
        CoreGeometryResult out;
        pickStandardSheets({QString::fromLatin1(c.power), QString::fromLatin1(c.diameter), c.pressPlate}, memory, out);
        EXPECT_EQ(out.windowTexts, c.window);
        EXPECT_EQ(out.dnomIndex, diameterItem(c.standardDiameter));
        EXPECT_EQ(out.steps, c.steps);
        EXPECT_EQ(memory.steps, c.steps);
        EXPECT_EQ(out.A, c.A);
        EXPECT_EQ(out.a, c.a);
        if (c.A && !c.B) {
            EXPECT_EQ(out.B, firstSix(*c.A));
            EXPECT_EQ(out.b, firstSix(*c.a));
        } else {
            EXPECT_EQ(out.B, c.B);
            EXPECT_EQ(out.b, c.b);
        }
    }
}

TEST(PickStandardSheets, PowerIsRoundedHalfToEven) {
    const struct {
        const char* power;
        int steps;
    } cases[] = {{"15,5", 4}, {"16,5", 4}, {"14,5", 1}, {"24,5", 4}, {"1", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.power);
        CoreGeometryMemory memory{4, 0.08, 0.08};  // as after a pick of 16 kVA
        CoreGeometryResult out;
        pickStandardSheets({QString::fromLatin1(c.power), QStringLiteral("0,13"), false}, memory, out);
        EXPECT_EQ(memory.steps, c.steps);
        EXPECT_FALSE(out.windowTexts.has_value());
    }
}

TEST(PickStandardSheets, BoundsAndStepsAreKeptBetweenUses) {
    CoreGeometryMemory memory;
    {
        SCOPED_TRACE("first use with a power no row covers: bounds 0 give 0,08");
        CoreGeometryResult out;
        pickStandardSheets({QStringLiteral("30"), QStringLiteral("0,13"), false}, memory, out);
        EXPECT_EQ(out.dnomIndex, diameterItem("0,08"));
        EXPECT_FALSE(out.steps.has_value());
        EXPECT_EQ(out.A, rod({"76", "68", "57", "43", "25"}));  // the initial 5 steps of 80 mm
    }
    {
        SCOPED_TRACE("25 kVA sets 5 steps and 0,09 .. 0,09");
        CoreGeometryResult out;
        pickStandardSheets({QStringLiteral("25"), QStringLiteral("0,13"), false}, memory, out);
        EXPECT_EQ(memory.steps, 5);
        EXPECT_EQ(memory.D_min, 0.09);
        EXPECT_EQ(memory.D_max, 0.09);
    }
    {
        SCOPED_TRACE("30 kVA afterwards keeps them");
        CoreGeometryResult out;
        pickStandardSheets({QStringLiteral("30"), QStringLiteral("0,2"), false}, memory, out);
        EXPECT_EQ(out.dnomIndex, diameterItem("0,09"));
        EXPECT_EQ(out.A, rod({"86", "76", "64", "48", "28"}));
    }
    {
        SCOPED_TRACE("400 kVA with 0,185 lies between the diameter ranges: still kept");
        CoreGeometryResult out;
        pickStandardSheets({QStringLiteral("400"), QStringLiteral("0,185"), false}, memory, out);
        EXPECT_EQ(out.windowTexts, (Window{"1000", "280", "490"}));
        EXPECT_FALSE(out.steps.has_value());
        EXPECT_EQ(out.dnomIndex, diameterItem("0,09"));
        EXPECT_EQ(memory.D_max, 0.09);
    }
}

TEST(PickStandardSheets, ManyStepsNeedALargeDiameter) {
    // Bounds that let a smaller diameter through with 7 steps fall back to 6.
    CoreGeometryMemory memory{7, 0.10, 0.20};
    CoreGeometryResult out;
    pickStandardSheets({QStringLiteral("30"), QStringLiteral("0,13"), false}, memory, out);
    EXPECT_EQ(out.steps, 6);
    EXPECT_EQ(memory.steps, 6);
    EXPECT_EQ(out.A, rod({"124", "113", "100", "83", "64", "39"}));
}

TEST(PickStandardSheets, FailuresKeepWhatWasDecidedBefore) {
    {
        SCOPED_TRACE("power not a number: nothing decided");
        CoreGeometryMemory memory;
        CoreGeometryResult out;
        EXPECT_THROW(pickStandardSheets({QStringLiteral("100 kVA"), QStringLiteral("0,13"), false}, memory, out),
                     CommandError);
        EXPECT_FALSE(out.windowTexts.has_value());
    }
    for (const char* power : {"1e10", "-2e9"}) {
        SCOPED_TRACE(power);
        CoreGeometryMemory memory;
        CoreGeometryResult out;
        try {
            pickStandardSheets({QString::fromLatin1(power), QStringLiteral("0,13"), false}, memory, out);
            ADD_FAILURE() << "no error";
        } catch (const CommandError& error) {
            EXPECT_EQ(error.text(), QStringLiteral("S, kW must be above 0 and at most 10000: ") + QLatin1String(power));
            EXPECT_EQ(error.field(), QStringLiteral("CB_Snom"));
        }
        EXPECT_FALSE(out.windowTexts.has_value());
        EXPECT_FALSE(out.steps.has_value());
        EXPECT_EQ(memory.steps, 5);
    }
    {
        SCOPED_TRACE("diameter not a number: the window dimensions only");
        CoreGeometryMemory memory;
        CoreGeometryResult out;
        try {
            pickStandardSheets({QStringLiteral("100"), QStringLiteral("0.13"), false}, memory, out);
            ADD_FAILURE() << "no error";
        } catch (const CommandError& error) {
            EXPECT_EQ(error.text(), QStringLiteral("'0.13' is not a valid floating point value"));
        }
        EXPECT_EQ(out.windowTexts, (Window{"400", "150", "270"}));
        EXPECT_FALSE(out.steps.has_value());
        EXPECT_FALSE(out.dnomIndex.has_value());
        EXPECT_FALSE(out.A.has_value());
        EXPECT_EQ(memory.D_max, 0.0);
    }
}

}  // namespace
}  // namespace dravik
