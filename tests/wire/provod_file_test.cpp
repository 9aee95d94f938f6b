#include "catalogues/provod_file.h"
#include "common/command_error.h"
#include "wire/wire_samples.h"

#include <gtest/gtest.h>

#include <QtEndian>
#include <cstring>
#include <limits>

namespace dravik {
namespace {

using test::rectWire;
using test::roundWire;

QByteArray bytesAt(const QByteArray& image, qsizetype offset, qsizetype length) {
    return image.mid(offset, length);
}

QByteArray hex(const char* digits) { return QByteArray::fromHex(digits); }

constexpr qsizetype kRecord1 = 8;
constexpr qsizetype kRecord2 = 8 + 160;

// Two wires laid out by hand: field by field at the offsets of the file.
TEST(ProvodImage, FieldsSitAtTheirOffsets) {
    const WireRecord round = roundWire("ПЭТВ", 1.5, 1.767, "Copper", 0.1);
    WireRecord rect = rectWire("ПБ", 2.5, "Aluminum", 0.45, 1.25);
    const QByteArray image = writeProvodImage({round, rect});

    ASSERT_EQ(image.size(), 800008);
    EXPECT_EQ(bytesAt(image, 0, 8), hex("0200000000000000"));  // count 2, padding zero

    // Tip: length 4, then ПЭТВ in Windows-1251, then zeros to the room's end.
    EXPECT_EQ(bytesAt(image, kRecord1 + 0, 5), hex("04CFDDD2C2"));
    EXPECT_EQ(bytesAt(image, kRecord1 + 5, 46), QByteArray(46, '\0'));
    // Vid: the round code, Cyrillic es then "ikl".
    EXPECT_EQ(bytesAt(image, kRecord1 + 51, 6), hex("04F1696B6C00"));
    EXPECT_EQ(bytesAt(image, kRecord1 + 57, 7), QByteArray(7, '\0'));
    // D = 1.5 is 0x3FF8000000000000, least significant byte first.
    EXPECT_EQ(bytesAt(image, kRecord1 + 64, 8), hex("000000000000F83F"));
    EXPECT_EQ(bytesAt(image, kRecord1 + 72, 16), QByteArray(16, '\0'));  // a, b = 0
    // s = 1.767 is 0x3FFC45A1CAC08312.
    EXPECT_EQ(bytesAt(image, kRecord1 + 88, 8), hex("1283C0CAA145FC3F"));
    // 2δ = 0.1 is 0x3FB999999999999A.
    EXPECT_EQ(bytesAt(image, kRecord1 + 96, 8), hex("9A9999999999B93F"));
    EXPECT_EQ(bytesAt(image, kRecord1 + 104, 7), QByteArray("\x06" "Copper"));
    EXPECT_EQ(bytesAt(image, kRecord1 + 111, 49), QByteArray(49, '\0'));  // room and padding

    EXPECT_EQ(bytesAt(image, kRecord2 + 0, 3), hex("02CFC1"));
    EXPECT_EQ(bytesAt(image, kRecord2 + 51, 6), QByteArray("\x04rect\0", 6));
    EXPECT_EQ(bytesAt(image, kRecord2 + 72, 8), hex("000000000000F43F"));  // a = 1.25
    EXPECT_EQ(bytesAt(image, kRecord2 + 80, 8), hex("0000000000000040"));  // b = 2
    EXPECT_EQ(bytesAt(image, kRecord2 + 88, 8), hex("0000000000000440"));  // s = 2.5
    EXPECT_EQ(bytesAt(image, kRecord2 + 104, 9), QByteArray("\x08" "Aluminum"));

    // Records beyond the count are all zero.
    EXPECT_EQ(image.mid(8 + 2 * 160).count('\0'), 800008 - 8 - 2 * 160);
}

TEST(ProvodImage, ReadBackGivesTheSameWiresAndTheSameBytes) {
    const std::vector<WireRecord> wires = {
        roundWire("ПЭТВ", 1.5, 1.767),
        rectWire("АПБ", 17.201, "Aluminum"),
        rectWire("АПБ", 12.5, "Aluminum"),  // the texts of the wire before it
        rectWire("АП", 3.0, "Alum"),        // shorter texts that start alike
        rectWire("", 3.0, ""),
        rectWire(QString(50, QChar(0x0416)), -3.0, QString(50, QLatin1Char('m'))),  // full rooms, Ж
        blankPlaceholder(),
    };
    const QByteArray image = writeProvodImage(wires);
    const std::vector<WireRecord> read = readProvodImage(image);
    EXPECT_EQ(read, wires);
    EXPECT_EQ(writeProvodImage(read), image);
}

TEST(ProvodImage, EmptyFileIsAnEmptyCatalogue) {
    EXPECT_TRUE(readProvodImage(QByteArray()).empty());
    EXPECT_TRUE(readProvodImage(writeProvodImage({})).empty());
}

TEST(ProvodImage, DamagedImagesAreRefused) {
    QByteArray countTooHigh = writeProvodImage({});
    qToLittleEndian<quint16>(5001, countTooHigh.data());
    QByteArray countWrapped = writeProvodImage({});
    qToLittleEndian<quint16>(65535, countWrapped.data());
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"one byte", QByteArray(1, '\0')},
        {"one byte short", writeProvodImage({rectWire("ПБ", 1.0)}).left(800007)},
        {"count 5001", countTooHigh},
        {"count 65535", countWrapped},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            readProvodImage(c.bytes);
            ADD_FAILURE() << "accepted";
        } catch (const CommandError& error) {
            EXPECT_EQ(error.text(), QStringLiteral("Read beyond end of file"));
        }
    }
}

TEST(ProvodImage, FullTableAndBytesAfterTheImage) {
    std::vector<WireRecord> full(5000, rectWire("ПБ", 1.0));
    QByteArray image = writeProvodImage(full);
    EXPECT_EQ(readProvodImage(image).size(), 5000u);
    image.append("trailing");
    EXPECT_EQ(readProvodImage(image).size(), 5000u);

    full.push_back(rectWire("ПБ", 1.0));
    EXPECT_THROW(writeProvodImage(full), CommandError);
}

// A length byte above the room would read into the next field.
TEST(ProvodImage, LengthBytesAreClampedToTheirRoom) {
    QByteArray image = writeProvodImage({rectWire("ПБ", 1.0)});
    char* record = image.data() + kRecord1;
    std::memset(record + 1, 'T', 50);
    record[0] = static_cast<char>(200);
    record[51] = static_cast<char>(255);
    std::memcpy(record + 52, "rectXY", 6);  // runs into the padding
    record[104] = static_cast<char>(51);
    const WireRecord wire = readProvodImage(image).at(0);
    EXPECT_EQ(wire.Tip, QByteArray(50, 'T'));
    EXPECT_EQ(wire.Vid, QByteArray("rectX"));
    EXPECT_EQ(wire.Mater.size(), 50);
    EXPECT_TRUE(wire.Mater.startsWith("Copper"));
}

}  // namespace
}  // namespace dravik

namespace dravik {
namespace {

// Each fault a program's own record cannot have, made in one record between
// two good ones: that record alone is left out.
TEST(ProvodContents, LeavesOutEachRecordNoProgramWrote) {
    struct Case {
        const char* name;
        int offset;       // into the record
        QByteArray bytes;  // written there
    };
    const auto doubleBytes = [](double value) {
        QByteArray bytes(8, '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    };
    const Case cases[] = {
        {"D not a number", 64, doubleBytes(std::numeric_limits<double>::quiet_NaN())},
        {"a infinite", 72, doubleBytes(std::numeric_limits<double>::infinity())},
        {"b negative", 80, doubleBytes(-2.0)},
        {"s negative", 88, doubleBytes(-1e-300)},
        {"2δ negative", 96, doubleBytes(-0.45)},
        {"Tip length above its room", 0, QByteArray(1, char(51))},
        {"Vid length above its room", 51, QByteArray(1, char(6))},
        {"Mater length above its room", 104, QByteArray(1, char(255))},
        {"Tip holding a byte 0", 0, QByteArray("\x03P\0B", 4)},
        {"Mater holding a byte 0", 104, QByteArray("\x02\0u", 3)},
    };
    const std::vector<WireRecord> good = {rectWire("ПБ", 1.0), rectWire("ПБ", 2.0), rectWire("ПБ", 3.0)};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray image = writeProvodImage(good);
        image.replace(kRecord2 + c.offset, c.bytes.size(), c.bytes);
        const ProvodContents contents = readProvodContents(image);
        EXPECT_EQ(contents.leftOut, 1);
        EXPECT_EQ(contents.records, (std::vector<WireRecord>{good[0], good[2]}));
    }
    const ProvodContents placeholder = readProvodContents(writeProvodImage({blankPlaceholder(), WireRecord{}}));
    EXPECT_EQ(placeholder.leftOut, 0);  // the placeholder and an all-zero record are plausible
    EXPECT_EQ(placeholder.records.size(), 2u);
}

}  // namespace
}  // namespace dravik
