#pragma once

#include <QByteArray>
#include <QString>

// Texts in the catalogue files are single-byte Windows-1251. In memory every
// text shown is a QString; the files' bytes are kept as they were read so
// that a rewrite changes nothing the user did not change.
namespace dravik {

// Every byte 0x01..0xFF decodes to one character (0x98, unassigned in the
// code page, to U+0098) and encodes back to the same byte.
QString decodeCp1251(const QByteArray& bytes);

// Whether stored bytes read as `text`, without decoding them into a new
// string: a conductor search compares thousands of records' materials.
bool readsAsCp1251(const QByteArray& bytes, QStringView text);

// Fails with "The name contains characters that cannot be stored: X" when
// a character has no Windows-1251 byte; X lists those characters.
QByteArray encodeCp1251(const QString& text);

// A fixed-room short string: one length byte, then `room` bytes. Reading
// clamps the length byte to the room.
QByteArray readShortString(const char* field, int room);
// The same characters, seen in place.
QByteArrayView shortStringView(const char* field, int room);
// The length byte fits the room and every character is text (no byte 0,
// which no typed name holds): what a file written by this program has.
bool isPlausibleShortString(const char* field, int room);
// Writes the length byte and the characters, the rest of the room as zero.
// `bytes` longer than the room is cut to it.
void writeShortString(char* field, int room, const QByteArray& bytes);

}  // namespace dravik
