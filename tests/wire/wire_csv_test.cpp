#include "catalogues/wire_csv.h"
#include "catalogues/wire_entry.h"
#include "catalogues/wire_grouping.h"
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <QFile>

namespace dravik {
namespace {

QByteArray shippedCsv() {
    QFile file(QStringLiteral(DRAVIK_WIRE_CSV));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Kinds of wire in the shipped range, counted from the file with a text
// tool: the order is that of each kind's first line.
TEST(ShippedWireRange, GroupsAsAdditionsWouldLeaveIt) {
    const std::vector<WireRecord> wires = parseWireCsv(shippedCsv());
    ASSERT_EQ(wires.size(), 458u);
    const std::vector<WireRecord> sorted = regroupAndSort(wires);
    ASSERT_EQ(sorted.size(), 458u);

    struct Kind {
        const char* tip;
        QByteArray vid;
        const char* mater;
        double delta2;
        int count;
        double smallest;
        double largest;
    };
    const Kind kinds[] = {
        {"АПБ", rectShapeCode(), "Aluminum", 0.45, 215, 1.626, 88.742},
        {"ПБ", rectShapeCode(), "Copper", 0.45, 215, 1.626, 88.742},
        {"ПЭТВ", roundShapeCode(), "Copper", 0.1, 15, 0.196, 4.909},
        {"АПБ", roundShapeCode(), "Aluminum", 0.3, 13, 0.785, 12.566},
    };
    size_t at = 0;
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(std::string(kind.tip) + " " + kind.vid.toStdString());
        EXPECT_EQ(sorted[at].s, kind.smallest);
        for (int i = 0; i < kind.count; ++i, ++at) {
            ASSERT_EQ(sorted[at].tip(), QString::fromUtf8(kind.tip)) << at;
            EXPECT_EQ(sorted[at].Vid, kind.vid);
            EXPECT_EQ(sorted[at].mater(), QString::fromUtf8(kind.mater));
            EXPECT_EQ(sorted[at].delta2, kind.delta2);
            if (i > 0) {
                EXPECT_LE(sorted[at - 1].s, sorted[at].s) << at;
            }
        }
        EXPECT_EQ(sorted[at - 1].s, kind.largest);
    }
}

// "Edit wire" shows each size with three decimals; a shipped wire brought
// back unchanged must pass the checks of "Add wire", or it would be lost.
TEST(ShippedWireRange, EveryWireAsEditShowsItCanBeAddedBack) {
    for (const WireRecord& wire : parseWireCsv(shippedCsv())) {
        SCOPED_TRACE(wire.tip().toStdString() + " s " + formatF3(wire.s).toStdString());
        WireEntryTexts shown{wire.tip(),         wire.isRound(),         formatF3(wire.D),
                             formatF3(wire.a),   formatF3(wire.b),       formatF3(wire.s),
                             formatF3(wire.delta2), wire.mater()};
        EXPECT_NO_THROW(wireFromEntry(shown));
    }
}

TEST(WireCsv, ReadsQuotedFieldsAndLineEnds) {
    const QByteArray text =
        "\xEF\xBB\xBFTip,Vid,D,a,b,s,2delta,Mater\r\n"
        "\"ПБ, \"\"special\"\"\",rect,0,1.8,5.6,9.7,0.45,Copper\r\n"
        "\n"
        "ПЭТВ,round,1.12,0,0,0.985,0.1,Copper\n";
    const std::vector<WireRecord> wires = parseWireCsv(text);
    ASSERT_EQ(wires.size(), 2u);
    EXPECT_EQ(wires[0].tip(), QString::fromUtf8("ПБ, \"special\""));
    EXPECT_EQ(wires[0].Vid, QByteArray("rect"));
    EXPECT_EQ(wires[0].a, 1.8);
    EXPECT_EQ(wires[0].b, 5.6);
    EXPECT_EQ(wires[0].s, 9.7);
    EXPECT_EQ(wires[0].delta2, 0.45);
    EXPECT_EQ(wires[1].Vid, QByteArray("\xF1ikl"));
    EXPECT_EQ(wires[1].D, 1.12);
    EXPECT_EQ(wires[1].mater(), QStringLiteral("Copper"));
}

TEST(WireCsv, RefusesWhatTheCatalogueCannotHold) {
    const char* const badLines[] = {
        "ПБ,oval,0,1,2,2,0.45,Copper",       // unknown shape
        "ПБ,rect,0,1,2,two,0.45,Copper",     // not a number
        "ПБ,rect,0,1,2,1e999,0.45,Copper",   // not finite
        "ПБ,rect,0,1,2,2,0.45",              // a field missing
        "\"ПБ,rect,0,1,2,2,0.45,Copper",     // quote never closed
        "ПБ中,rect,0,1,2,2,0.45,Copper",     // not Windows-1251
    };
    for (const char* line : badLines) {
        SCOPED_TRACE(line);
        const QByteArray text = QByteArray("Tip,Vid,D,a,b,s,2delta,Mater\n") + line + "\n";
        EXPECT_THROW(parseWireCsv(text), WireCsvError);
    }
    const QByteArray longName = "Tip,Vid,D,a,b,s,2delta,Mater\n" + QByteArray(51, 'T') + ",rect,0,1,2,2,0.45,Copper\n";
    EXPECT_THROW(parseWireCsv(longName), WireCsvError);
    EXPECT_THROW(parseWireCsv("Tip,Vid,D,a,b,s,delta,Mater\n"), WireCsvError);
}

}  // namespace
}  // namespace dravik
