// Provod.dat: the input is the start of a wire catalogue file, the rest of
// the 800,008 bytes zero. Whatever it holds, loading keeps only plausible
// records, and those survive a save, a reload and the regrouping that every
// addition runs.

#include "catalogues/provod_file.h"
#include "catalogues/wire_grouping.h"
#include "common/command_error.h"
#include "fuzz_target.h"

#include <QByteArray>
#include <cmath>
#include <cstring>

using namespace dravik;

namespace {

bool isPlausible(const WireRecord& wire) {
    for (const double size : {wire.D, wire.a, wire.b, wire.s, wire.delta2}) {
        if (!std::isfinite(size) || size < 0) return false;
    }
    return wire.Tip.size() <= WireRecordLayout::TipRoom && wire.Vid.size() <= WireRecordLayout::VidRoom &&
           wire.Mater.size() <= WireRecordLayout::MaterRoom;
}

// The whole file, reused from input to input: only the bytes an input wrote
// are cleared again.
QByteArray& fileImage() {
    static QByteArray image(kProvodImageBytes, '\0');
    return image;
}

void checkLoadedCatalogue(const ProvodContents& contents) {
    for (const WireRecord& wire : contents.records) fuzz::require(isPlausible(wire), "loaded records are plausible");
    const QByteArray saved = writeProvodImage(contents.records);
    const ProvodContents reloaded = readProvodContents(saved);
    fuzz::require(reloaded.leftOut == 0 && reloaded.records == contents.records, "a saved catalogue loads back unchanged");
    fuzz::require(regroupAndSort(contents.records).size() == contents.records.size(),
                  "regrouping keeps every wire");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        readProvodContents(input);  // the file exactly as given: mostly too short
    } catch (const CommandError&) {
    }

    QByteArray& image = fileImage();
    const std::size_t used = std::min<std::size_t>(size, static_cast<std::size_t>(kProvodImageBytes));
    if (used > 0) std::memcpy(image.data(), data, used);
    try {
        checkLoadedCatalogue(readProvodContents(image));
    } catch (const CommandError&) {
    }
    std::memset(image.data(), 0, used);
    return 0;
}
