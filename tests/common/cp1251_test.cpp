#include "common/command_error.h"
#include "common/cp1251.h"

#include <gtest/gtest.h>

namespace dravik {
namespace {

TEST(Cp1251, EveryByteRoundTrips) {
    QByteArray all;
    for (int byte = 1; byte <= 0xFF; ++byte) all.append(static_cast<char>(byte));
    const QString text = decodeCp1251(all);
    ASSERT_EQ(text.size(), all.size());
    EXPECT_EQ(text.at(0x98 - 1).unicode(), 0x0098);  // the one unassigned byte
    EXPECT_EQ(encodeCp1251(text), all);
}

TEST(Cp1251, CyrillicLettersAreSingleBytes) {
    EXPECT_EQ(encodeCp1251(QStringLiteral("АПБ")), QByteArray("\xC0\xCF\xC1"));
    EXPECT_EQ(decodeCp1251(QByteArray("\xF1ikl")), QStringLiteral("сikl"));
}

// The in-place comparison agrees with decoding on every byte, so a search
// finds exactly the records whose material decodes to the chosen one.
TEST(Cp1251, StoredBytesReadAsTheirDecodedText) {
    QByteArray all;
    for (int byte = 1; byte <= 0xFF; ++byte) all.append(static_cast<char>(byte));
    EXPECT_TRUE(readsAsCp1251(all, decodeCp1251(all)));
    EXPECT_TRUE(readsAsCp1251(QByteArray("\xC0\xEB\xFE\xEC\xE8\xED\xE8\xE9"), u"Алюминий"));
    EXPECT_FALSE(readsAsCp1251(QByteArray("Aluminum"), u"Aluminum "));  // length differs
    EXPECT_FALSE(readsAsCp1251(QByteArray("Aluminum"), u"aluminum"));   // case counts
    EXPECT_FALSE(readsAsCp1251(QByteArray("\xF1ikl"), u"cikl"));        // Cyrillic с is not Latin c
    EXPECT_TRUE(readsAsCp1251(QByteArray(), u""));
}

TEST(Cp1251, CharactersWithoutAByteAreRefusedByName) {
    try {
        encodeCp1251(QStringLiteral("Сталь ²×²"));
        FAIL() << "accepted";
    } catch (const CommandError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("The name contains characters that cannot be stored: ²×"));
    }
}

TEST(Cp1251, ShortStringsKeepTheirRoom) {
    char field[51];
    std::fill(std::begin(field), std::end(field), 'x');
    writeShortString(field, 50, QByteArray(60, 'a'));
    EXPECT_EQ(static_cast<unsigned char>(field[0]), 50);
    EXPECT_EQ(readShortString(field, 50), QByteArray(50, 'a'));

    writeShortString(field, 50, QByteArray("ab"));
    EXPECT_EQ(field[3], '\0');  // the rest of the room is cleared
    field[0] = static_cast<char>(200);  // a damaged length byte is clamped to the room
    EXPECT_EQ(readShortString(field, 50).size(), 50);
}

}  // namespace
}  // namespace dravik
