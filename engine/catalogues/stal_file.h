#pragma once

#include "catalogues/steel_entry.h"

#include <QByteArray>
#include <QFile>
#include <QFileDevice>
#include <QString>
#include <memory>

// Stal.dat: the stored steels as one fixed little-endian record, read and
// written whole. Stored steel k is counted from 1.
namespace dravik {

namespace stal {
inline constexpr qsizetype kRecordSize = 8'060'208;  // bytes, the whole file
inline constexpr int kSteelRoom = 1000;               // slots for thickness, name, rolling, curve
inline constexpr int kPointCountRoom = 103;           // slots of the point-count table
inline constexpr int kNameRoom = 50;                  // Windows-1251 bytes after the length byte

inline constexpr qsizetype kThicknessOffset = 0;      // double per steel, mm
inline constexpr qsizetype kNameOffset = 8000;        // 51 bytes per steel
inline constexpr qsizetype kNameStride = 1 + kNameRoom;
inline constexpr qsizetype kSteelCountOffset = 59000; // unsigned 16-bit
inline constexpr qsizetype kRollingOffset = 59002;    // one byte per steel: 'c', 'h' or 0
inline constexpr qsizetype kPointCountOffset = 60002; // signed 16-bit per steel
inline constexpr qsizetype kCurveOffset = 60208;      // 100 points per steel
inline constexpr qsizetype kPointStride = 80;         // B, p, q, qz as doubles, then 48 reserved bytes
inline constexpr qsizetype kCurveStride = kPointStride * kPointRoom;

static_assert(kCurveOffset + kCurveStride * kSteelRoom == kRecordSize);
static_assert(kPointCountOffset + 2 * kPointCountRoom == kCurveOffset);
}  // namespace stal

// The record in memory, byte for byte. Only the fields a change touches are
// written, so whatever else the file held goes back unchanged.
class StalImage {
public:
    StalImage();                                // an empty catalogue: every byte zero
    explicit StalImage(const QByteArray& record);  // the first kRecordSize bytes; a shorter one is padded with zeros
    // The record as the file maps it into memory: a load touches only the
    // tables and curves it reads, and the first change copies the record.
    static StalImage mapped(std::shared_ptr<QFile> file, const uchar* record);

    const QByteArray& bytes() const;  // always kRecordSize bytes

    int steelCount() const;  // as stored, 0..65535
    void setSteelCount(int count);

    // Stored steel k = 1 .. kPointCountRoom.
    double thickness_mm(int k) const;
    void setThickness_mm(int k, double thickness);
    QByteArray name(int k) const;  // Windows-1251 bytes; the length byte clamped to 50
    void setName(int k, const QByteArray& name);  // cut to 50 bytes, the room after it zero
    char rolling(int k) const;     // 'c', 'h', or 0 for any other byte
    void setRolling(int k, char letter);
    int pointCount(int k) const;   // clamped to 0..100
    void setPointCount(int k, int count);
    SteelPoint point(int k, int j) const;  // point j = 1 .. 100
    void setPoint(int k, int j, const SteelPoint& point);  // the reserved bytes become zero
    void clearSteel(int k);        // every field of slot k zero
    // Slot k becomes slot `from` of `other`, byte for byte.
    void copySteel(int k, const StalImage& other, int from);

    // Stored steel k is as this program writes a steel: its thickness is a
    // finite size not below zero, its name's length byte fits the room and
    // its characters are text (no byte 0), its point count is 0..100 and its
    // points hold finite numbers.
    bool isPlausible(int k) const;

    // Catalogue entry of stored steel k as a load sees it.
    SteelEntry entry(int k) const;

private:
    const char* constData() const;
    char* data();

    // Empty until first needed: an empty catalogue costs no 8 MB of zeros.
    mutable QByteArray record_;
    std::shared_ptr<QFile> mappedFile_;  // keeps a mapped record readable

};

enum class StalReadStatus {
    Read,        // a whole record
    Missing,     // no file
    Unreadable,  // a file that cannot be opened
    Short,       // shorter than one record, empty included
};

struct StalReadResult {
    StalReadStatus status = StalReadStatus::Missing;
    StalImage image;  // empty unless status is Read
};

StalReadResult readStalFile(const QString& path);

// Replaces the file with the record (writeWholeFile).
void writeStalFile(const QString& path, const StalImage& image);

}  // namespace dravik
