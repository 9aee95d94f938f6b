#include "explorer/sweep.h"

#include "common/command_error.h"
#include "design/stage2_effects.h"
#include "design/winding_fields.h"
#include "magnetic/magnetic_calculation.h"
#include "magnetic/scheme.h"
#include "windings/winding_inputs.h"

#include <algorithm>
#include <stdexcept>

namespace dravik {
namespace {

// The values an inclusive range from..to by step holds.
std::vector<int> steps(int from, int to, int step) {
    if (step < 1 || from > to) throw std::invalid_argument("an empty range of the sweep");
    std::vector<int> values;
    for (long long value = from; value <= to; value += step) values.push_back(static_cast<int>(value));
    return values;
}

QString diameterText(int item) { return QString::fromLatin1(kStandardDiameters.at(static_cast<size_t>(item))); }

CoreGeometryResult pick(const NumberInput& power, const NumberInput& diameter, bool pressPlate,
                        CoreGeometryMemory memory) {
    CoreGeometryResult out;
    pickStandardSheets({power, diameter, pressPlate}, memory, out);
    return out;
}

// A Stage II number field as its calculation reads it, as a value: the
// text has passed the reader's checks (`read`) first.
template <typename Read>
NumberInput stage2Value(const NumberInput& typed, Read&& read) {
    read(typed);
    return NumberInput::of(floatOf(firstPointToComma(typed)));
}

// What the Stage II window holds for `winding` after the hand-over or the
// selector loads its defaults: the channel fields and the captions.
template <typename Inputs>
void loadWindingDefaults(Inputs& in, Winding winding) {
    const WindingFields& fields = windingFields(winding);
    in.ak = NumberInput::of(floatOf(NumberInput(fields.channelWidth)));
    in.nk = NumberInput::of(floatOf(NumberInput(fields.channels)));
    in.channelCaption = QString::fromUtf8(fields.channelCaption);
}

}  // namespace

long long variantCount(const SweepRanges& r) {
    const auto count = [](int from, int to, int step) { return step < 1 || to < from ? 0LL : (to - from) / step + 1LL; };
    return static_cast<long long>(r.diameterItems.size()) * count(r.lcFrom_mm, r.lcTo_mm, r.lcStep_mm) *
           count(r.cFrom_mm, r.cTo_mm, r.cStep_mm) * static_cast<long long>(r.steelIndexes.size()) *
           static_cast<long long>(r.materialItems.size()) * count(r.layersFrom, r.layersTo, 1);
}

QString materialName(int materialItem) {
    return materialItem == kCopperItem ? QStringLiteral("Copper") : QStringLiteral("Aluminum");
}

StandardDiameters standardDiametersFor(const NumberInput& power, const NumberInput& dnom, bool pressPlate,
                                       const CoreGeometryMemory& memory) {
    StandardDiameters diameters;
    for (int item = 0; item < static_cast<int>(kStandardDiameters.size()); ++item) {
        const CoreGeometryResult out = pick(power, diameterText(item), pressPlate, memory);
        if (out.dnomIndex == item && out.A) diameters.items.push_back(item);
    }
    try {
        const CoreGeometryResult out = pick(power, dnom, pressPlate, memory);
        if (out.dnomIndex && std::find(diameters.items.begin(), diameters.items.end(), *out.dnomIndex) !=
                                 diameters.items.end()) {
            diameters.standard = out.dnomIndex;
        }
    } catch (const CommandError&) {
        // A diameter the window shows that is no number has no standard.
    }
    return diameters;
}

std::optional<StandardWindow> standardWindowFor(const NumberInput& power, const CoreGeometryMemory& memory) {
    const CoreGeometryResult out = pick(power, diameterText(0), false, memory);
    if (!out.windowTexts) return std::nullopt;
    return StandardWindow{integerOf((*out.windowTexts)[0]), integerOf((*out.windowTexts)[2])};
}

Sweep::Sweep(const SweepBase& base, const SweepRanges& ranges, std::vector<SteelEntry> steels,
             std::vector<WireRecord> wires)
    : ranges_(ranges), steels_(std::move(steels)), wires_(std::move(wires)), base_(base) {
    std::vector<QString> materials;
    for (const int item : ranges.materialItems) materials.push_back(materialName(item));
    catalogue_ = WireCatalogue(wires_, materials);
    if (ranges.diameterItems.empty() || ranges.steelIndexes.empty() || ranges.materialItems.empty()) {
        throw std::invalid_argument("an empty choice of the sweep");
    }
    lcs_ = steps(ranges.lcFrom_mm, ranges.lcTo_mm, ranges.lcStep_mm);
    cs_ = steps(ranges.cFrom_mm, ranges.cTo_mm, ranges.cStep_mm);
    layers_ = steps(ranges.layersFrom, ranges.layersTo, 1);
    const long long size = variantCount(ranges);
    if (size > kMaxVariants) throw std::invalid_argument("too many variants for one sweep");
    size_ = static_cast<int>(size);

    // Each diameter's core as "Pick sheets for power" leaves the windows,
    // read as the calculation reads it.
    for (const int item : ranges.diameterItems) {
        StandardCore core = standardCore(item);
        MagneticInputs typed = base.stage1;
        typed.A = core.A;
        typed.a = core.a;
        typed.B = core.B;
        typed.b = core.b;
        typed.Cok = core.Cok;
        typed.Lc = NumberInput::of(lcs_.front());
        typed.C = NumberInput::of(cs_.front());
        typed.steelIndex = ranges.steelIndexes.front();
        typed = lengthPointsAsCommas(typed);
        checkMagneticInputs(typed, steels_);
        const MagneticInputs values = asValues(typed);
        cores_.push_back({values.A, values.a, values.B, values.b, values.Cok});
        prototype_.core = values;
    }
    prototype_.core.dnom = {};

    // The Stage II fields the hand-over keeps, read as the KU and LV read them.
    Stage2Effects shown;
    const NumberInput l_01 = stage2Value(base.l_01, [&](const NumberInput& in) { readYokeDistance_m(in, shown); });
    const NumberInput k_t = stage2Value(base.k_t, [&](const NumberInput& in) { readLayingCoefficient(in, shown); });
    const NumberInput a_01 = stage2Value(base.a_01, [&](const NumberInput& in) {
        readRodInsulation_mm(in);
        readRodInsulation_mm(in, shown);
    });
    const bool ku = carriesKuWinding(*schemeFromText(base.stage1.shem));

    KuInputs& kuIn = prototype_.ku;
    kuIn.unbalanceItem = kVariantUnbalanceItem;
    loadWindingDefaults(kuIn, Winding::Ku);
    kuIn.n_sl = NumberInput::of(floatOf(NumberInput(windingFields(Winding::Ku).layers)));
    kuIn.layerCaption = QString::fromUtf8(windingFields(Winding::Ku).layerCaption);
    kuIn.l_01 = l_01;
    kuIn.k_t = k_t;
    kuIn.a_01 = a_01;
    kuIn.boardIndex = base.boardIndex;

    LvInputs& lvIn = prototype_.lv;
    loadWindingDefaults(lvIn, Winding::Lv);
    lvIn.layerCaption = QString::fromUtf8(windingFields(Winding::Lv).layerCaption);
    lvIn.numhU = prototype_.core.numhU;
    lvIn.l_01 = l_01;
    lvIn.k_t = k_t;
    lvIn.a_01 = a_01;
    lvIn.boardIndex = base.boardIndex;
    lvIn.shapeIndex = 0;  // the hand-over sets the shape list back to "rect"
    lvIn.kuTicked = ku;

    HvInputs& hvIn = prototype_.hv;
    loadWindingDefaults(hvIn, Winding::Hv);
    hvIn.shapeIndex = 1;  // the HV is laid out in round wire: "cikl"
    hvIn.cylinderBoardIndex = base.cylinderBoardIndex;
    hvIn.boardIndex = base.boardIndex;
    hvIn.kuTicked = ku;
}

Sweep::StandardCore Sweep::standardCore(int diameterItem) const {
    const MagneticInputs& typed = base_.stage1;
    const CoreGeometryResult out = pick(typed.snom, diameterText(diameterItem), typed.pressPlate, base_.coreGeometry);
    if (out.dnomIndex != diameterItem || !out.A) {
        throw std::invalid_argument("a diameter without standard packets for the power");
    }
    StandardCore core;
    for (size_t i = 0; i < 8; ++i) {
        core.A[i] = (*out.A)[i];
        core.a[i] = (*out.a)[i];
        // "Pick sheets for power" fills the first six yoke packets only.
        core.B[i] = i < out.B->size() ? NumberInput((*out.B)[i]) : typed.B[i];
        core.b[i] = i < out.b->size() ? NumberInput((*out.b)[i]) : typed.b[i];
    }
    core.Cok = out.windowTexts ? NumberInput((*out.windowTexts)[1]) : typed.Cok;
    return core;
}

// Variants run in the order of the choices as the table lists them: the
// diameter changes slowest, the LV layers fastest.
Variant Sweep::variant(int index) const {
    Variant v;
    v.index = index;
    int rest = index;
    const auto take = [&rest](size_t count) {
        const int position = rest % static_cast<int>(count);
        rest /= static_cast<int>(count);
        return static_cast<size_t>(position);
    };
    v.lvLayers = layers_[take(layers_.size())];
    v.materialItem = ranges_.materialItems[take(ranges_.materialItems.size())];
    v.steelIndex = ranges_.steelIndexes[take(ranges_.steelIndexes.size())];
    v.C_mm = cs_[take(cs_.size())];
    v.lc_mm = lcs_[take(lcs_.size())];
    v.diameterItem = ranges_.diameterItems[take(ranges_.diameterItems.size())];
    return v;
}

DesignInputs Sweep::inputs(const Variant& v) const {
    DesignInputs in = prototype_;
    const size_t diameter = static_cast<size_t>(
        std::find(ranges_.diameterItems.begin(), ranges_.diameterItems.end(), v.diameterItem) -
        ranges_.diameterItems.begin());
    const StandardCore& core = cores_.at(diameter);
    in.core.A = core.A;
    in.core.a = core.a;
    in.core.B = core.B;
    in.core.b = core.b;
    in.core.Cok = core.Cok;
    in.core.Lc = NumberInput::of(v.lc_mm);
    in.core.C = NumberInput::of(v.C_mm);
    in.core.steelIndex = v.steelIndex;
    const QString material = materialName(v.materialItem);
    in.ku.material = in.lv.material = in.hv.material = material;
    in.hv.materialIndex = v.materialItem;
    in.lv.n_sl = NumberInput::of(v.lvLayers);
    return in;
}

}  // namespace dravik
