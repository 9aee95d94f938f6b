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

    WireEntryTexts round = typedWire();
    round.round = true;
    EXPECT_EQ(wireFromEntry(round).Vid, QByteArray("\xF1ikl"));
}

TEST(WireFromEntry, SizesAreStoredAsTyped) {
    WireEntryTexts texts = typedWire();
    texts.s = "-2";
    texts.a = "0";
    EXPECT_EQ(wireFromEntry(texts).s, -2.0);
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
        try {
            wireFromEntry(texts);
            ADD_FAILURE() << "accepted";
        } catch (const CommandError& error) {
            EXPECT_EQ(error.text(), QString::fromUtf8(c.error));
        }
    }
}

}  // namespace
}  // namespace dravik
