#include "catalogues/wire_entry.h"

#include "catalogues/provod_file.h"
#include "common/cp1251.h"
#include "common/number_text.h"

namespace dravik {
namespace {

QByteArray storedText(const QString& text, int room) {
    return encodeCp1251(text).left(room);
}

}  // namespace

WireRecord wireFromEntry(const WireEntryTexts& texts) {
    WireRecord wire;
    wire.D = parseFloat(texts.D);
    wire.a = parseFloat(texts.a);
    wire.b = parseFloat(texts.b);
    wire.s = parseFloat(texts.s);
    wire.delta2 = parseFloat(texts.delta2);
    wire.Tip = storedText(texts.tip, WireRecordLayout::TipRoom);
    wire.Vid = texts.round ? roundShapeCode() : rectShapeCode();
    wire.Mater = storedText(texts.material, WireRecordLayout::MaterRoom);
    return wire;
}

}  // namespace dravik
