#include "catalogues/wire_entry.h"

#include "catalogues/provod_file.h"
#include "common/command_error.h"
#include "common/cp1251.h"
#include "common/input_range.h"
#include "common/number_text.h"

#include <limits>
#include <numbers>

namespace dravik {
namespace {

using namespace wire_entry;

constexpr double kNoUpperLimit = std::numeric_limits<double>::max();
constexpr InputRange kSectionRange{0, false, kNoUpperLimit, "above 0"};
constexpr InputRange kInsulationRange{0, true, 10, "0 to 10"};
// A side or diameter the wire's shape is measured by, and one it leaves unused.
constexpr InputRange kMeasuredSize{0, false, 100, "above 0 and at most 100"};
constexpr InputRange kUnusedSize{0, true, 100, "0 to 100"};

// Listed sections are rounded to three decimals, so a section may exceed
// the one its sizes give by this share.
constexpr double kSectionSlack = 1.001;

struct TypedSize {
    CatalogueField field;
    const QString& text;
    double value = 0;
};

void convert(TypedSize& size) {
    size.value = readField(QString::fromUtf8(size.field.control), [&] { return parseFloat(size.text); });
}

void require(const TypedSize& size, const InputRange& range) {
    requireInRange(size.value, range, size.field.name(), size.text);
}

// The section a round or rectangular wire of these sizes can have at most.
void requireSectionFits(const TypedSize& s, double largest_mm2, const char* bound) {
    if (s.value > largest_mm2 * kSectionSlack) s.field.refuse(bound, s.text);
}

QByteArray storedText(const CatalogueField& field, const QString& text, int room) {
    return readField(QString::fromUtf8(field.control), [&] { return encodeCp1251(text).left(room); });
}

}  // namespace

WireRecord wireFromEntry(const WireEntryTexts& texts) {
    TypedSize D{kD, texts.D}, a{kA, texts.a}, b{kB, texts.b}, s{kS, texts.s}, delta2{kDelta2, texts.delta2};
    for (TypedSize* size : {&D, &a, &b, &s, &delta2}) convert(*size);

    if (texts.tip.trimmed().isEmpty()) kTip.refuse("not blank", texts.tip);
    require(s, kSectionRange);
    require(delta2, kInsulationRange);
    if (texts.round) {
        require(D, kMeasuredSize);
        require(a, kUnusedSize);
        require(b, kUnusedSize);
        requireSectionFits(s, std::numbers::pi * D.value * D.value / 4, "at most π·D²/4");
    } else {
        require(a, kMeasuredSize);
        require(b, kMeasuredSize);
        require(D, kUnusedSize);
        requireSectionFits(s, a.value * b.value, "at most a·b");
    }

    WireRecord wire;
    wire.Tip = storedText(kTip, texts.tip, WireRecordLayout::TipRoom);
    wire.Mater = storedText(kMaterial, texts.material, WireRecordLayout::MaterRoom);
    wire.Vid = texts.round ? roundShapeCode() : rectShapeCode();
    wire.D = D.value;
    wire.a = a.value;
    wire.b = b.value;
    wire.s = s.value;
    wire.delta2 = delta2.value;
    return wire;
}

}  // namespace dravik
