#include "common/cp1251.h"

#include "common/command_error.h"
#include "common/runtime_texts.h"

#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cstring>

namespace dravik {
namespace {

// The code page's 256 characters, taken once from Qt's converter: catalogue
// files hold thousands of short texts, and a converter per text costs more
// than the texts themselves. Byte 0x98, which the code page leaves free,
// reads as U+0098.
const std::array<char16_t, 256>& cp1251Characters() {
    static const std::array<char16_t, 256> characters = [] {
        QByteArray all(256, '\0');
        for (int byte = 0; byte < 256; ++byte) all[byte] = static_cast<char>(byte);
        QStringDecoder decoder("windows-1251");
        const QString decoded = decoder.decode(all);
        std::array<char16_t, 256> table{};
        for (int byte = 0; byte < 256; ++byte) {
            table[static_cast<size_t>(byte)] = decoded.size() == 256 ? decoded[byte].unicode() : char16_t(byte);
        }
        return table;
    }();
    return characters;
}

// The same table read backwards: each storable character's byte.
const QHash<char16_t, char>& cp1251Bytes() {
    static const QHash<char16_t, char> bytes = [] {
        QHash<char16_t, char> table;
        const auto& characters = cp1251Characters();
        for (int byte = 0; byte < 256; ++byte) {
            table.insert(characters[static_cast<size_t>(byte)], static_cast<char>(byte));
        }
        return table;
    }();
    return bytes;
}

}  // namespace

QString decodeCp1251(const QByteArray& bytes) {
    const auto& characters = cp1251Characters();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) *out++ = QChar(characters[static_cast<unsigned char>(byte)]);
    return text;
}

bool readsAsCp1251(const QByteArray& bytes, QStringView text) {
    if (bytes.size() != text.size()) return false;
    const auto& characters = cp1251Characters();
    return std::equal(bytes.begin(), bytes.end(), text.begin(), [&](char byte, QChar character) {
        return characters[static_cast<unsigned char>(byte)] == character.unicode();
    });
}

QByteArray encodeCp1251(const QString& text) {
    const auto& bytes = cp1251Bytes();
    QByteArray result;
    result.reserve(text.size());
    QString refused;
    for (qsizetype i = 0; i < text.size();) {
        // A surrogate pair is one character, and never storable.
        const qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = QStringView(text).mid(i, width);
        const auto byte = width == 1 ? bytes.constFind(character[0].unicode()) : bytes.constEnd();
        if (byte != bytes.constEnd()) {
            result += *byte;
        } else if (!refused.contains(character)) {
            refused += character;
        }
        i += width;
    }
    if (!refused.isEmpty()) {
        throw CommandError(QString::fromUtf8(texts::kUnstorableName).arg(refused));
    }
    return result;
}

QByteArrayView shortStringView(const char* field, int room) {
    const int length = std::min(static_cast<int>(static_cast<unsigned char>(field[0])), room);
    return QByteArrayView(field + 1, length);
}

bool isPlausibleShortString(const char* field, int room) {
    const int length = static_cast<unsigned char>(field[0]);
    return length <= room && !QByteArrayView(field + 1, length).contains('\0');
}

QByteArray readShortString(const char* field, int room) { return shortStringView(field, room).toByteArray(); }

void writeShortString(char* field, int room, const QByteArray& bytes) {
    const int length = std::min(static_cast<int>(bytes.size()), room);
    std::memset(field, 0, static_cast<size_t>(room) + 1);
    field[0] = static_cast<char>(length);
    std::memcpy(field + 1, bytes.constData(), static_cast<size_t>(length));
}

}  // namespace dravik
