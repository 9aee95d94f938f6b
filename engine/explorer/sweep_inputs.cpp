#include "explorer/sweep_inputs.h"

#include "common/command_error.h"
#include "common/input_range.h"
#include "common/number_text.h"
#include "common/runtime_texts.h"
#include "design/input_ranges.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace dravik {
namespace {

// The window height and rod spacing of a sweep start from the standard ones
// of the power, from 10 % below to 20 % above.
constexpr double kBelowStandard = 0.9;
constexpr double kAboveStandard = 1.2;
// Diameters on each side of the standard one.
constexpr int kDiametersAside = 2;

int readWhole(const QString& text, const InputRange& range, const FieldName& field) {
    const int value = readField(field.control, [&] { return parseInt(text); });
    requireInRange(value, range, field, text);
    return value;
}

double readPrice(const QString& text, const FieldName& field) {
    const double value = readField(field.control, [&] { return parseFloat(text); });
    requireInRange(value, kSweepPriceRange, field, text);
    return value;
}

FieldName field(const char* control, const char* caption) {
    return {QString::fromLatin1(control), QString::fromUtf8(caption)};
}

// A range whose end lies below its start is refused at its end.
void requireOrdered(int from, int to, const QString& toText, const FieldName& toField) {
    if (to >= from) return;
    throw CommandError(outOfRangeText(toField.caption, QStringLiteral("at least %1").arg(from), toText),
                       toField.control);
}

// A from..to range of whole numbers, both ends within `range`; an end
// below the start is refused at the end.
std::pair<int, int> readFromTo(const QString& fromText, const QString& toText, const InputRange& range,
                               const FieldName& from, const FieldName& to) {
    const int first = readWhole(fromText, range, from);
    const int last = readWhole(toText, range, to);
    requireOrdered(first, last, toText, to);
    return {first, last};
}

}  // namespace

DiameterPositions defaultDiameterPositions(const StandardDiameters& diameters) {
    const std::vector<int>& items = diameters.items;
    if (items.empty()) return {};
    const int last = static_cast<int>(items.size()) - 1;
    const auto standard = std::find(items.begin(), items.end(), diameters.standard.value_or(items[items.size() / 2]));
    const int at = static_cast<int>(standard - items.begin());
    return {std::max(0, at - kDiametersAside), std::min(last, at + kDiametersAside)};
}

std::optional<WindowRanges> defaultWindowRanges(const MagneticInputs& stage1, const CoreGeometryMemory& memory) {
    double lc = 0;
    double C = 0;
    try {
        if (const std::optional<StandardWindow> standard = standardWindowFor(stage1.snom, memory)) {
            lc = standard->lc_mm;
            C = standard->C_mm;
        } else {
            lc = floatOf(firstPointToComma(stage1.Lc));
            C = floatOf(firstPointToComma(stage1.C));
        }
    } catch (const CommandError&) {
        return std::nullopt;
    }
    return WindowRanges{std::lround(kBelowStandard * lc), std::lround(kAboveStandard * lc),
                        std::lround(kBelowStandard * C), std::lround(kAboveStandard * C)};
}

SweepRanges readSweepRanges(const SweepTexts& t) {
    SweepRanges r;
    const int from = std::min(t.diameterFrom, t.diameterTo);
    const int to = std::max(t.diameterFrom, t.diameterTo);
    for (int position = from; position <= to && position < static_cast<int>(t.offeredDiameters.size()); ++position) {
        if (position >= 0) r.diameterItems.push_back(t.offeredDiameters[static_cast<size_t>(position)]);
    }

    std::tie(r.lcFrom_mm, r.lcTo_mm) = readFromTo(t.lcFrom, t.lcTo, rangedInputOf("Ed_Lc").range,
                                                  field("Ed_Lc_ot", "lс from, mm"), field("Ed_Lc_do", "lс to, mm"));
    r.lcStep_mm = readWhole(t.lcStep, kSweepStepRange, field("Ed_Lc_shag", "lс step, mm"));

    std::tie(r.cFrom_mm, r.cTo_mm) = readFromTo(t.cFrom, t.cTo, rangedInputOf("Ed_C").range,
                                                field("Ed_C_ot", "C from, mm"), field("Ed_C_do", "C to, mm"));
    r.cStep_mm = readWhole(t.cStep, kSweepStepRange, field("Ed_C_shag", "C step, mm"));

    std::tie(r.layersFrom, r.layersTo) =
        readFromTo(t.layersFrom, t.layersTo, rangedInputOf("Ed_n_sl").range, field("Ed_n_sl_ot", "LV layers from"),
                   field("Ed_n_sl_do", "LV layers to"));

    r.steelIndexes = t.steelIndexes;
    if (r.diameterItems.empty()) {
        throw CommandError(QStringLiteral("Choose the diameters of rod"), QStringLiteral("CB_D_ot"));
    }
    if (r.steelIndexes.empty()) throw CommandError(QString::fromUtf8(texts::kChooseSteel), QStringLiteral("CLB_Stali"));
    r.materialItems = t.materialItems;
    if (r.materialItems.empty()) {
        throw CommandError(QStringLiteral("Choose Aluminum, Copper or both"), QStringLiteral("ChB_Aljuminij"));
    }
    const long long count = variantCount(r);
    if (count > kMaxVariants) {
        throw CommandError(QStringLiteral("The ranges make %1 variants; at most %2 are calculated at once")
                               .arg(count)
                               .arg(kMaxVariants));
    }
    return r;
}

Prices readPrices(const SweepTexts& t) {
    Prices p;
    p.steel_per_kg = readPrice(t.steelPrice, field("Ed_Cena_stali", "Steel per kg"));
    p.copper_per_kg = readPrice(t.copperPrice, field("Ed_Cena_medi", "Copper per kg"));
    p.aluminium_per_kg = readPrice(t.aluminiumPrice, field("Ed_Cena_aljuminija", "Aluminium per kg"));
    p.A_per_W = readPrice(t.A, field("Ed_Koef_A", "A per W of P0"));
    p.B_per_W = readPrice(t.B, field("Ed_Koef_B", "B per W of Pk"));
    return p;
}

}  // namespace dravik
