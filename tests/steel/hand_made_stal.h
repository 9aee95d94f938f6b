#pragma once

// Stal.dat records built byte by byte from the file layout, independently of
// the engine's own reader and writer.

#include "catalogues/steel_entry.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <bit>
#include <cstdint>
#include <vector>

namespace dravik::test {

inline constexpr int kRecordBytes = 8'060'208;

inline void putLittleEndian(QByteArray& record, int offset, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) record[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}
inline void putDouble(QByteArray& record, int offset, double value) {
    putLittleEndian(record, offset, std::bit_cast<std::uint64_t>(value), 8);
}
inline double getDouble(const QByteArray& record, int offset) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(record[offset + i]);
    return std::bit_cast<double>(bits);
}
inline int getU16(const QByteArray& record, int offset) {
    return static_cast<unsigned char>(record[offset]) | static_cast<unsigned char>(record[offset + 1]) << 8;
}

struct HandSteel {
    QByteArray name;  // Windows-1251 bytes, written with their own length byte
    char rolling = 0;
    double thickness_mm = 0;
    int pointCount = 25;  // as stored, may be out of range
    std::vector<SteelPoint> points;
    int nameLengthByte = -1;  // when >= 0, stored instead of the name's length
};

inline int nameOffset(int k) { return 8000 + 51 * (k - 1); }
inline int pointOffset(int k, int j) { return 60208 + 8000 * (k - 1) + 80 * (j - 1); }

inline QByteArray handMadeRecord(int steelCount, const std::vector<HandSteel>& steels) {
    QByteArray record(kRecordBytes, '\0');
    putLittleEndian(record, 59000, static_cast<std::uint64_t>(steelCount), 2);
    for (int k = 1; k <= static_cast<int>(steels.size()); ++k) {
        const HandSteel& steel = steels[static_cast<std::size_t>(k - 1)];
        putDouble(record, 8 * (k - 1), steel.thickness_mm);
        record[nameOffset(k)] = static_cast<char>(steel.nameLengthByte >= 0 ? steel.nameLengthByte : steel.name.size());
        for (int i = 0; i < steel.name.size() && i < 50; ++i) record[nameOffset(k) + 1 + i] = steel.name[i];
        record[59002 + (k - 1)] = steel.rolling;
        if (k <= 103) putLittleEndian(record, 60002 + 2 * (k - 1), static_cast<std::uint16_t>(steel.pointCount), 2);
        for (int j = 1; j <= static_cast<int>(steel.points.size()); ++j) {
            const SteelPoint& point = steel.points[static_cast<std::size_t>(j - 1)];
            putDouble(record, pointOffset(k, j), point.B);
            putDouble(record, pointOffset(k, j) + 8, point.p);
            putDouble(record, pointOffset(k, j) + 16, point.q);
            putDouble(record, pointOffset(k, j) + 24, point.qz);
        }
    }
    return record;
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write %s", qPrintable(path));
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace dravik::test
