#include "catalogues/wire_entry.h"
#include "common/command_error.h"

#include <gtest/gtest.h>

namespace dravik {
namespace {

WireEntryTexts typedWire() {
    WireEntryTexts texts;
    texts.tip = QString::fromUtf8("ПБ");
    texts.round = false;
    texts.D = "0";
    texts.a = "1,8";
    texts.b = "5,6";
    texts.s = "9,7";
    texts.delta2 = "0,45";
    texts.material = "Copper";
    return texts;
}

WireEntryTexts typedRoundWire() {
    WireEntryTexts texts = typedWire();
    texts.tip = QString::fromUtf8("ПЭТВ");
    texts.round = true;
    texts.D = "1,8";
    texts.a = "0";
    texts.b = "0";
    texts.s = "2,545";  // the listed section of Ø1,8: above π·1,8²/4 = 2,5447, within the rounding
    texts.delta2 = "0,1";
    return texts;
}

QString refusalOf(const WireEntryTexts& texts, QString* field = nullptr) {
    try {
        wireFromEntry(texts);
    } catch (const CommandError& error) {
        if (field) *field = error.field();
        return error.text();
    }
    return "accepted";
}

TEST(WireFromEntry, StoresTheTypedWire) {
    const WireRecord wire = wireFromEntry(typedWire());
    EXPECT_EQ(wire.Tip, QByteArray("\xCF\xC1"));
    EXPECT_EQ(wire.Vid, QByteArray("rect"));
    EXPECT_EQ(wire.D, 0.0);
    EXPECT_EQ(wire.a, 1.8);
    EXPECT_EQ(wire.b, 5.6);
    EXPECT_EQ(wire.s, 9.7);
    EXPECT_EQ(wire.delta2, 0.45);
    EXPECT_EQ(wire.Mater, QByteArray("Copper"));

    const WireRecord round = wireFromEntry(typedRoundWire());
    EXPECT_EQ(round.Vid, QByteArray("\xF1ikl"));
    EXPECT_EQ(round.D, 1.8);
}

// Sizes a wire can have, up to the ends of each range.
TEST(WireFromEntry, AcceptsEveryWireWithinItsRanges) {
    struct Case {
        const char* name;
        WireEntryTexts texts;
    };
    WireEntryTexts fullSection = typedWire();
    fullSection.a = "2";
    fullSection.b = "100";
    fullSection.s = "200";
    fullSection.delta2 = "10";
    WireEntryTexts bareRound = typedRoundWire();
    bareRound.delta2 = "0";
    bareRound.D = "100";
    bareRound.s = "7861";  // π·100²/4 = 7854,0 and 0,1 % more
    const Case cases[] = {
        {"rectangular", typedWire()},
        {"round listed above its exact section", typedRoundWire()},
        {"section a·b, 2δ 10, side 100", fullSection},
        {"bare round of 100 mm", bareRound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(refusalOf(c.texts), "accepted");
    }
}

// Each size a wire cannot have is refused with its caption, its range and
// the text as typed, and names its field.
TEST(WireFromEntry, RefusesSizesNoWireCanHave) {
    struct Case {
        const char* name;
        bool round;
        QString WireEntryTexts::*field;
        const char* text;
        const char* refusal;
        const char* control;
    };
    const Case cases[] = {
        {"blank type", false, &WireEntryTexts::tip, "  ", "Type must be not blank:   ", "Ed_Tip_Pr"},
        {"no section", false, &WireEntryTexts::s, "0", "s, мм2 must be above 0: 0", "Ed_s"},
        {"negative section", true, &WireEntryTexts::s, "-2", "s, мм2 must be above 0: -2", "Ed_s"},
        {"negative insulation", false, &WireEntryTexts::delta2, "-0,1", "2δ, мм must be 0 to 10: -0,1", "Ed_2delt"},
        {"thick insulation", true, &WireEntryTexts::delta2, "10,5", "2δ, мм must be 0 to 10: 10,5", "Ed_2delt"},
        {"no side a", false, &WireEntryTexts::a, "0", "a, мм must be above 0 and at most 100: 0", "Ed_a"},
        {"side b too long", false, &WireEntryTexts::b, "100,5", "b, мм must be above 0 and at most 100: 100,5", "Ed_b"},
        {"negative unused diameter", false, &WireEntryTexts::D, "-1", "Diameter, mm must be 0 to 100: -1", "Ed_D"},
        {"no diameter", true, &WireEntryTexts::D, "0", "Diameter, mm must be above 0 and at most 100: 0", "Ed_D"},
        {"negative unused side", true, &WireEntryTexts::b, "-1", "b, мм must be 0 to 100: -1", "Ed_b"},
        {"section above a·b", false, &WireEntryTexts::s, "10,1", "s, мм2 must be at most a·b: 10,1", "Ed_s"},
        {"section above π·D²/4", true, &WireEntryTexts::s, "2,55", "s, мм2 must be at most π·D²/4: 2,55", "Ed_s"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WireEntryTexts texts = c.round ? typedRoundWire() : typedWire();
        texts.*c.field = QString::fromUtf8(c.text);
        QString field;
        EXPECT_EQ(refusalOf(texts, &field), QString::fromUtf8(c.refusal));
        EXPECT_EQ(field, QString::fromUtf8(c.control));
    }
}

// With several faults, the first in the order conversions, type, section,
// insulation, sizes, section bound, stored names is the one reported.
TEST(WireFromEntry, TheFirstFaultInTheCheckOrderIsReported) {
    WireEntryTexts texts = typedWire();
    texts.tip = "ПБ中";
    texts.s = "20";
    EXPECT_EQ(refusalOf(texts), "s, мм2 must be at most a·b: 20");
    texts.a = "0";
    EXPECT_EQ(refusalOf(texts), "a, мм must be above 0 and at most 100: 0");
    texts.delta2 = "11";
    EXPECT_EQ(refusalOf(texts), "2δ, мм must be 0 to 10: 11");
    texts.s = "0";
    EXPECT_EQ(refusalOf(texts), "s, мм2 must be above 0: 0");
    texts.tip = " ";
    EXPECT_EQ(refusalOf(texts), "Type must be not blank:  ");
    texts.b = "b";
    EXPECT_EQ(refusalOf(texts), "'b' is not a valid floating point value");
}

TEST(WireFromEntry, NamesAreCutTo50Bytes) {
    WireEntryTexts texts = typedWire();
    texts.tip = QString(60, QChar(0x0416));  // Ж
    texts.material = QString(51, QLatin1Char('m'));
    const WireRecord wire = wireFromEntry(texts);
    EXPECT_EQ(wire.Tip, QByteArray(50, '\xC6'));
    EXPECT_EQ(wire.Mater, QByteArray(50, 'm'));
}

TEST(WireFromEntry, EveryFieldIsCheckedBeforeAWireIsMade) {
    struct Case {
        const char* name;
        QString WireEntryTexts::*field;
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"D", &WireEntryTexts::D, "x", "'x' is not a valid floating point value"},
        {"a", &WireEntryTexts::a, "", "'' is not a valid floating point value"},
        {"b", &WireEntryTexts::b, "1,2,3", "'1,2,3' is not a valid floating point value"},
        {"s", &WireEntryTexts::s, "1.5", "'1.5' is not a valid floating point value"},
        {"2delta", &WireEntryTexts::delta2, "nan", "'nan' is not a valid floating point value"},
        {"type", &WireEntryTexts::tip, "ПБ中", "The name contains characters that cannot be stored: 中"},
        {"material", &WireEntryTexts::material, "Cu²", "The name contains characters that cannot be stored: ²"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WireEntryTexts texts = typedWire();
        texts.*c.field = QString::fromUtf8(c.text);
        EXPECT_EQ(refusalOf(texts), QString::fromUtf8(c.error));
    }
}

}  // namespace
}  // namespace dravik
