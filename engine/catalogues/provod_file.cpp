#include "catalogues/provod_file.h"

#include "common/command_error.h"
#include "common/cp1251.h"
#include "common/runtime_texts.h"

#include <QtEndian>
#include <bit>
#include <cmath>
#include <cstdint>

namespace dravik {
namespace {

using Layout = WireRecordLayout;

// The five sizes of a record in the order they are stored.
struct SizeField {
    int offset;
    double WireRecord::*member;
};
constexpr SizeField kSizeFields[] = {
    {Layout::D, &WireRecord::D},   {Layout::a, &WireRecord::a},           {Layout::b, &WireRecord::b},
    {Layout::s, &WireRecord::s},   {Layout::delta2, &WireRecord::delta2},
};

void writeDouble(char* at, double value) {
    qToLittleEndian(std::bit_cast<std::uint64_t>(value), at);
}

double readDouble(const char* at) {
    return std::bit_cast<double>(qFromLittleEndian<std::uint64_t>(at));
}

void writeRecord(char* at, const WireRecord& wire) {
    writeShortString(at + Layout::Tip, Layout::TipRoom, wire.Tip);
    writeShortString(at + Layout::Vid, Layout::VidRoom, wire.Vid);
    for (const SizeField& field : kSizeFields) writeDouble(at + field.offset, wire.*field.member);
    writeShortString(at + Layout::Mater, Layout::MaterRoom, wire.Mater);
}

// Wires of one kind follow each other and repeat their type, shape and
// material: such a text shares the copy of the record before it, so that
// 5000 wires do not hold 15000 separate little strings.
QByteArray readText(const char* field, int room, const QByteArray& before) {
    const QByteArrayView text = shortStringView(field, room);
    return text == before ? before : text.toByteArray();
}

WireRecord readRecord(const char* at, const WireRecord& before) {
    WireRecord wire;
    wire.Tip = readText(at + Layout::Tip, Layout::TipRoom, before.Tip);
    wire.Vid = readText(at + Layout::Vid, Layout::VidRoom, before.Vid);
    for (const SizeField& field : kSizeFields) wire.*field.member = readDouble(at + field.offset);
    wire.Mater = readText(at + Layout::Mater, Layout::MaterRoom, before.Mater);
    return wire;
}

bool isPlausibleRecord(const char* at) {
    for (const SizeField& field : kSizeFields) {
        const double size = readDouble(at + field.offset);
        if (!std::isfinite(size) || size < 0) return false;
    }
    return isPlausibleShortString(at + Layout::Tip, Layout::TipRoom) &&
           isPlausibleShortString(at + Layout::Vid, Layout::VidRoom) &&
           isPlausibleShortString(at + Layout::Mater, Layout::MaterRoom);
}

char* recordAt(char* image, qsizetype index) {
    return image + kProvodHeaderBytes + index * kWireRecordBytes;
}

const char* recordAt(const char* image, qsizetype index) {
    return image + kProvodHeaderBytes + index * kWireRecordBytes;
}

}  // namespace

QByteArray writeProvodImage(const std::vector<WireRecord>& records) {
    if (records.size() > static_cast<size_t>(kProvodCapacity)) {
        throw CommandError(texts::kWireTableFull);
    }
    QByteArray image(kProvodImageBytes, '\0');
    char* data = image.data();
    qToLittleEndian(static_cast<std::uint16_t>(records.size()), data);
    for (size_t i = 0; i < records.size(); ++i) {
        writeRecord(recordAt(data, static_cast<qsizetype>(i)), records[i]);
    }
    return image;
}

namespace {

// The records of an image that `keep` accepts, and how many it did not.
template <typename Keep>
ProvodContents readRecords(const QByteArray& bytes, Keep keep) {
    if (bytes.isEmpty()) return {};
    if (bytes.size() < kProvodImageBytes) throw CommandError(texts::kReadBeyondEnd);
    const char* data = bytes.constData();
    const int count = qFromLittleEndian<std::uint16_t>(data);
    if (count > kProvodCapacity) throw CommandError(texts::kReadBeyondEnd);
    ProvodContents contents;
    std::vector<WireRecord>& records = contents.records;
    records.reserve(static_cast<size_t>(count));
    const WireRecord none;
    for (int i = 0; i < count; ++i) {
        const char* record = recordAt(data, i);
        if (!keep(record)) {
            ++contents.leftOut;
            continue;
        }
        records.push_back(readRecord(record, records.empty() ? none : records.back()));
    }
    return contents;
}

}  // namespace

std::vector<WireRecord> readProvodImage(const QByteArray& bytes) {
    return readRecords(bytes, [](const char*) { return true; }).records;
}

ProvodContents readProvodContents(const QByteArray& bytes) { return readRecords(bytes, isPlausibleRecord); }

}  // namespace dravik
