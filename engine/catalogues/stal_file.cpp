#include "catalogues/stal_file.h"

#include "common/catalogue_file.h"
#include "common/command_error.h"
#include "common/cp1251.h"
#include "common/runtime_texts.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace dravik {
namespace {

using namespace stal;

constexpr char kColdRolled = 'c';
constexpr char kHotRolled = 'h';
constexpr qsizetype kPointValuesSize = 4 * sizeof(double);

qsizetype thicknessAt(int k) { return kThicknessOffset + 8 * qsizetype(k - 1); }
qsizetype nameAt(int k) { return kNameOffset + kNameStride * qsizetype(k - 1); }
qsizetype rollingAt(int k) { return kRollingOffset + qsizetype(k - 1); }
qsizetype pointCountAt(int k) { return kPointCountOffset + 2 * qsizetype(k - 1); }
qsizetype curveAt(int k) { return kCurveOffset + kCurveStride * qsizetype(k - 1); }
qsizetype pointAt(int k, int j) { return curveAt(k) + kPointStride * qsizetype(j - 1); }


}  // namespace

StalImage::StalImage() = default;

StalImage::StalImage(const QByteArray& record) : record_(record.left(kRecordSize)) {
    if (record_.size() < kRecordSize) record_.append(QByteArray(kRecordSize - record_.size(), '\0'));
}

StalImage StalImage::mapped(std::shared_ptr<QFile> file, const uchar* record) {
    StalImage image;
    image.record_ = QByteArray::fromRawData(reinterpret_cast<const char*>(record), kRecordSize);
    image.mappedFile_ = std::move(file);
    return image;
}

const QByteArray& StalImage::bytes() const {
    if (record_.isEmpty()) record_ = QByteArray(kRecordSize, '\0');
    return record_;
}

const char* StalImage::constData() const { return bytes().constData(); }

char* StalImage::data() {
    bytes();
    return record_.data();
}

int StalImage::steelCount() const {
    return qFromLittleEndian<quint16>(constData() + kSteelCountOffset);
}

void StalImage::setSteelCount(int count) {
    qToLittleEndian<quint16>(static_cast<quint16>(count), data() + kSteelCountOffset);
}

double StalImage::thickness_mm(int k) const { return qFromLittleEndian<double>(constData() + thicknessAt(k)); }

void StalImage::setThickness_mm(int k, double thickness) {
    qToLittleEndian<double>(thickness, data() + thicknessAt(k));
}

QByteArray StalImage::name(int k) const { return readShortString(constData() + nameAt(k), kNameRoom); }

void StalImage::setName(int k, const QByteArray& name) { writeShortString(data() + nameAt(k), kNameRoom, name); }

char StalImage::rolling(int k) const {
    const char letter = constData()[rollingAt(k)];
    return letter == kColdRolled || letter == kHotRolled ? letter : 0;
}

void StalImage::setRolling(int k, char letter) { data()[rollingAt(k)] = letter; }

int StalImage::pointCount(int k) const {
    const int stored = qFromLittleEndian<qint16>(constData() + pointCountAt(k));
    return std::clamp(stored, 0, kPointRoom);
}

void StalImage::setPointCount(int k, int count) {
    qToLittleEndian<qint16>(static_cast<qint16>(count), data() + pointCountAt(k));
}

SteelPoint StalImage::point(int k, int j) const {
    const char* at = constData() + pointAt(k, j);
    return SteelPoint{qFromLittleEndian<double>(at), qFromLittleEndian<double>(at + 8),
                      qFromLittleEndian<double>(at + 16), qFromLittleEndian<double>(at + 24)};
}

void StalImage::setPoint(int k, int j, const SteelPoint& point) {
    char* at = data() + pointAt(k, j);
    qToLittleEndian<double>(point.B, at);
    qToLittleEndian<double>(point.p, at + 8);
    qToLittleEndian<double>(point.q, at + 16);
    qToLittleEndian<double>(point.qz, at + 24);
    std::memset(at + kPointValuesSize, 0, kPointStride - kPointValuesSize);
}

void StalImage::clearSteel(int k) {
    char* record = data();
    std::memset(record + thicknessAt(k), 0, 8);
    std::memset(record + nameAt(k), 0, kNameStride);
    record[rollingAt(k)] = 0;
    std::memset(record + pointCountAt(k), 0, 2);
    std::memset(record + curveAt(k), 0, kCurveStride);
}

void StalImage::copySteel(int k, const StalImage& other, int from) {
    const auto copy = [&](qsizetype to, qsizetype at, qsizetype size) {
        std::memcpy(data() + to, other.constData() + at, static_cast<std::size_t>(size));
    };
    copy(thicknessAt(k), thicknessAt(from), 8);
    copy(nameAt(k), nameAt(from), kNameStride);
    copy(rollingAt(k), rollingAt(from), 1);
    copy(pointCountAt(k), pointCountAt(from), 2);
    copy(curveAt(k), curveAt(from), kCurveStride);
}

bool StalImage::isPlausible(int k) const {
    const double thickness = thickness_mm(k);
    if (!std::isfinite(thickness) || thickness < 0) return false;
    if (!isPlausibleShortString(constData() + nameAt(k), kNameRoom)) return false;
    const int count = qFromLittleEndian<qint16>(constData() + pointCountAt(k));
    if (count < 0 || count > kPointRoom) return false;
    for (int j = 1; j <= count; ++j) {
        const SteelPoint p = point(k, j);
        if (!std::isfinite(p.B) || !std::isfinite(p.p) || !std::isfinite(p.q) || !std::isfinite(p.qz)) return false;
    }
    return true;
}

SteelEntry StalImage::entry(int k) const {
    SteelEntry entry;
    entry.name = decodeCp1251(name(k));
    entry.rolling = rolling(k);
    entry.thickness_mm = thickness_mm(k);
    const int count = pointCount(k);
    for (int j = 1; j <= count; ++j) entry.points[static_cast<std::size_t>(j - 1)] = point(k, j);
    return entry;
}

StalReadResult readStalFile(const QString& path) {
    auto file = std::make_shared<QFile>(path);
    if (!file->exists()) return {StalReadStatus::Missing, {}};
    if (!file->open(QIODevice::ReadOnly)) return {StalReadStatus::Unreadable, {}};
    if (file->size() < kRecordSize) return {StalReadStatus::Short, {}};
    // Copying all 8 MB would cost more than the whole start-up of a window;
    // mapped, only the pages a load reads are brought in.
    if (const uchar* record = file->map(0, kRecordSize)) {
        return {StalReadStatus::Read, StalImage::mapped(std::move(file), record)};
    }
    const QByteArray record = file->read(kRecordSize);
    if (record.size() < kRecordSize) return {StalReadStatus::Short, {}};
    return {StalReadStatus::Read, StalImage(record)};
}

void writeStalFile(const QString& path, const StalImage& image) { writeWholeFile(path, image.bytes()); }

}  // namespace dravik
