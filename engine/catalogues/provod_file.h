#pragma once

#include "design/wire_record.h"

#include <QByteArray>
#include <vector>

// Provod.dat, the wire catalogue on disk: one table image of 800,008 bytes,
// read and written whole.
//   0      u16 LE  count of wires (0..5000)
//   2      6 bytes padding
//   8+160k         wire record k+1, room for 5000 records
// A record: Tip (short string, room 50) at 0, Vid (room 5) at 51, padding
// 57..63, D a b s 2δ (binary64 LE) at 64..103, Mater (room 50) at 104,
// padding 155..159.
namespace dravik {

inline constexpr int kProvodCapacity = 5000;
inline constexpr qsizetype kProvodHeaderBytes = 8;
inline constexpr qsizetype kWireRecordBytes = 160;
inline constexpr qsizetype kProvodImageBytes = kProvodHeaderBytes + kProvodCapacity * kWireRecordBytes;

// Where each field of a wire record sits, as byte offsets into the record.
struct WireRecordLayout {
    static constexpr int Tip = 0;
    static constexpr int TipRoom = 50;
    static constexpr int Vid = 51;
    static constexpr int VidRoom = 5;
    static constexpr int D = 64;
    static constexpr int a = 72;
    static constexpr int b = 80;
    static constexpr int s = 88;
    static constexpr int delta2 = 96;
    static constexpr int Mater = 104;
    static constexpr int MaterRoom = 50;
};

// The whole image. Bytes that carry no value (padding, the room after a
// text, records beyond the count) are zero, so one table always gives the
// same file and a removed wire leaves no copy behind. More than 5000
// records are refused with "The wire table is full (5000 wires)".
QByteArray writeProvodImage(const std::vector<WireRecord>& records);

// Reads an image, every record as stored. A 0-byte file is an empty
// catalogue; a file shorter than one image or claiming more than 5000 wires
// is damaged and fails with "Read beyond end of file". Bytes after the image
// are not read. Length bytes above a text's room are clamped to it.
std::vector<WireRecord> readProvodImage(const QByteArray& bytes);

// What a catalogue can load from an image: the plausible records, in file
// order, and how many were left out. A record is plausible when its five
// sizes are finite and not negative and its texts' length bytes fit their
// rooms with no byte 0 among the characters, as every record this program
// writes. Fails as readProvodImage does.
struct ProvodContents {
    std::vector<WireRecord> records;
    int leftOut = 0;
};
ProvodContents readProvodContents(const QByteArray& bytes);

}  // namespace dravik
