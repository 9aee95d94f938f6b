// Stal.dat: the input changes a plausible record of three stored steels in
// place. It is a list of patches, each a 4-byte little-endian offset into
// the 8,060,208-byte record (taken modulo its size), a length byte and that
// many bytes, so that small inputs reach every table of the record.
// Whatever the record then holds, the catalogue takes at most 103 steels,
// only plausible ones, and lists each.

#include "catalogues/stal_file.h"
#include "catalogues/steel_catalogue.h"
#include "fuzz_target.h"

#include <QByteArray>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <vector>

using namespace dravik;

namespace {

// Three steels as the editor stores them.
QByteArray plausibleRecord() {
    StalImage image;
    image.setSteelCount(3);
    for (int k = 1; k <= 3; ++k) {
        image.setName(k, "Grade " + QByteArray::number(k));
        image.setRolling(k, k == 2 ? 'h' : 'c');
        image.setThickness_mm(k, 0.27);
        image.setPointCount(k, kCurvePoints);
        for (int j = 1; j <= kCurvePoints; ++j) {
            image.setPoint(k, j, SteelPoint{0.8 + 0.04 * j, 0.3 * j, 0.4 * j, 1000.0 * j});
        }
    }
    return image.bytes();
}

struct Patch {
    qsizetype offset;
    QByteArray before;
};

bool isPlausible(const SteelEntry& steel) {
    if (!std::isfinite(steel.thickness_mm) || steel.thickness_mm < 0) return false;
    for (const SteelPoint& point : steel.points) {
        if (!std::isfinite(point.B) || !std::isfinite(point.p) || !std::isfinite(point.q) || !std::isfinite(point.qz)) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QByteArray record = plausibleRecord();
    std::vector<Patch> patches;
    for (std::size_t at = 0; at + 5 <= size;) {
        const qsizetype offset = qFromLittleEndian<quint32>(data + at) % stal::kRecordSize;
        const std::size_t length = std::min<std::size_t>({data[at + 4], size - at - 5,
                                                          static_cast<std::size_t>(stal::kRecordSize - offset)});
        patches.push_back({offset, record.mid(offset, static_cast<qsizetype>(length))});
        std::memcpy(record.data() + offset, data + at + 5, length);
        at += 5 + length;
    }

    SteelCatalogue catalogue;
    catalogue.loadRecord(StalImage(QByteArray::fromRawData(record.constData(), record.size())));
    fuzz::require(catalogue.storedCount() >= 0 && catalogue.storedCount() <= SteelCatalogue::kMaxStoredSteels,
                  "at most 103 stored steels");
    fuzz::require(catalogue.names().size() == SteelCatalogue::kBuiltinCount + catalogue.storedCount(),
                  "every steel is listed");
    for (int k = 1; k <= catalogue.storedCount(); ++k) {
        fuzz::require(isPlausible(catalogue.storedEntry(k)), "loaded steels are plausible");
    }

    for (auto patch = patches.rbegin(); patch != patches.rend(); ++patch) {
        std::memcpy(record.data() + patch->offset, patch->before.constData(), static_cast<std::size_t>(patch->before.size()));
    }
    return 0;
}
