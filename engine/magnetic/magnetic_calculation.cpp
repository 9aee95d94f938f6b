#include "magnetic/magnetic_calculation.h"

#include "common/command_error.h"
#include "common/guards.h"
#include "common/number_text.h"
#include "common/runtime_texts.h"
#include "design/input_ranges.h"
#include "design/stage2_state.h"
#include "magnetic/induction_search.h"
#include "magnetic/rated_data.h"
#include "magnetic/recommended_induction.h"
#include "magnetic/scheme.h"
#include "magnetic/stage1_lines.h"

#include <cmath>

namespace dravik {
namespace {

using namespace stage1_lines;

// Steel sheets fill this share of a packet's section, by the item of the
// sheet insulation list: "Double nail", "Resistance to heat insulation".
constexpr std::array<double, 2> kFillFactors{0.93, 0.97};

// The power estimate from the rod diameter: S = 3 * (D_cm / 5)^4, kVA.
constexpr double kEstimateDivisor = 5.0;

// The LV phase voltage takes √3 as stored (kSqrt3Stored); the currents use 3^0.5.

// Steel density 7650 kg/m3 over the three rods and the two yokes.
constexpr double kRodsDensity = 22950;
constexpr double kYokesDensity = 15300;

struct RollingKind {
    char rolling;
    int steel_kind;
};
constexpr std::array<RollingKind, 2> kSteelKinds{{{'c', 1}, {'h', 2}}};

// The rod and yoke packets, in packet order.
using Packets = std::array<const RangedInput*, 8>;
constexpr Packets kRodWidths{&rangedInputOf("Ed_A1"), &rangedInputOf("Ed_A2"), &rangedInputOf("Ed_A3"),
                             &rangedInputOf("Ed_A4"), &rangedInputOf("Ed_A5"), &rangedInputOf("Ed_A6"),
                             &rangedInputOf("Ed_A7"), &rangedInputOf("Ed_A8")};
constexpr Packets kRodThicknesses{&rangedInputOf("Ed_a_1"), &rangedInputOf("Ed_a_2"), &rangedInputOf("Ed_a_3"),
                                  &rangedInputOf("Ed_a_4"), &rangedInputOf("Ed_a_5"), &rangedInputOf("Ed_a_6"),
                                  &rangedInputOf("Ed_a_7"), &rangedInputOf("Ed_a_8")};
constexpr Packets kYokeWidths{&rangedInputOf("Ed_B1"), &rangedInputOf("Ed_B2"), &rangedInputOf("Ed_B3"),
                              &rangedInputOf("Ed_B4"), &rangedInputOf("Ed_B5"), &rangedInputOf("Ed_B6"),
                              &rangedInputOf("Ed_B7"), &rangedInputOf("Ed_B8")};
constexpr Packets kYokeThicknesses{&rangedInputOf("Ed_b_1"), &rangedInputOf("Ed_b_2"), &rangedInputOf("Ed_b_3"),
                                   &rangedInputOf("Ed_b_4"), &rangedInputOf("Ed_b_5"), &rangedInputOf("Ed_b_6"),
                                   &rangedInputOf("Ed_b_7"), &rangedInputOf("Ed_b_8")};

// A length field in mm, checked against its range, in metres.
double readMetres(const RangedInput& field, const NumberInput& input) {
    return readRangedInput(field, input, floatOf) / 1000;
}

void readPackets(const Packets& fields, const std::array<NumberInput, 8>& inputs, std::array<double, 8>& packets_m) {
    for (size_t i = 0; i < inputs.size(); ++i) packets_m[i] = readMetres(*fields[i], inputs[i]);
}

void readCoreLengths(const MagneticInputs& in, DesignState& s) {
    s.C = readMetres(rangedInputOf("Ed_C"), in.C);
    s.Lc_razm = readMetres(rangedInputOf("Ed_Lc"), in.Lc);
    s.Cok = readMetres(rangedInputOf("Ed_Cok"), in.Cok);
    readPackets(kRodWidths, in.A, s.A);
    readPackets(kRodThicknesses, in.a, s.a);
    readPackets(kYokeWidths, in.B, s.B);
    readPackets(kYokeThicknesses, in.b, s.b);
    s.dz = readMetres(rangedInputOf("Ed_dz"), in.dz);
}

const SteelEntry& chosenSteel(const MagneticInputs& in, const std::vector<SteelEntry>& steels) {
    if (in.steelIndex < 0 || in.steelIndex >= static_cast<int>(steels.size())) {
        throw CommandError(QString::fromUtf8(texts::kChooseSteel), QStringLiteral("CB_M_st"));
    }
    return steels[static_cast<size_t>(in.steelIndex)];
}

// steel_kind from the rolling letter; false for a steel without one, which
// keeps the kind it had.
bool writeSteelKind(const SteelEntry& steel, DesignState& s) {
    for (const RollingKind& kind : kSteelKinds) {
        if (steel.rolling == kind.rolling) {
            s.steel_kind = kind.steel_kind;
            return true;
        }
    }
    return false;
}

void readVoltages(const MagneticInputs& in, DesignState& s) {
    s.U_hv = readRangedInput(rangedInputOf("CB_Uvn"), in.Uvn, floatOf);
    s.U_lv = readRangedInput(rangedInputOf("CB_Un"), in.Un, floatOf);
    s.U_lv_ph = s.U_lv / kSqrt3Stored;
}

void requirePositiveInductionStep(double dB) {
    if (!(dB > 0)) throw CommandError(texts::kInductionStep);
}

void requireNonNegativeTapStep(double tapStep) {
    if (tapStep < 0) throw CommandError(texts::kTapStepNegative);
}

// The insulation item, the induction step of the search and the HV
// tappings, each checked before it is kept.
void readSearchAndTappings(const MagneticInputs& in, DesignState& s) {
    if (in.insulationIndex < 0 || in.insulationIndex >= static_cast<int>(kFillFactors.size())) {
        throw CommandError(texts::kRangeCheck);
    }
    s.insulation_kind = in.insulationIndex + 1;
    s.dB = readRangedInput(rangedInputOf("Ed_h_B"), in.hB, floatOf, requirePositiveInductionStep);
    s.tap_step = readRangedInput(rangedInputOf("Ed_h_U"), in.hU, floatOf, requireNonNegativeTapStep);
    s.tap_count = readField(QStringLiteral("Ed_num_h_U"), [&] { return readTapSteps(in.numhU); });
}

// The scheme of the list's text; a typed text that is none of its items is
// refused, since the rated data and the windings depend on it.
int readScheme(const QString& text) {
    const std::optional<int> scheme = schemeFromText(text);
    if (!scheme) {
        const QString oneOfTheList = QStringLiteral("one of ") + schemeNames().join(QStringLiteral(", "));
        throw CommandError(outOfRangeText(QStringLiteral("Scheme"), oneOfTheList, text), QStringLiteral("CB_Shem"));
    }
    return *scheme;
}

// Gross section of a stepped core limb, m2: the centre packet once, every
// further packet twice (one on each side): X1*x1 + 2*(X2*x2 + ... + X8*x8).
double steppedSection(const std::array<double, 8>& widths, const std::array<double, 8>& thicknesses) {
    double sides = widths[1] * thicknesses[1];
    for (size_t i = 2; i < widths.size(); ++i) sides = sides + widths[i] * thicknesses[i];
    return finite(widths[0] * thicknesses[0] + 2 * sides);
}

void writeSections(DesignState& s, Report& report) {
    s.rod_area_gross = steppedSection(s.A, s.a);
    addValueLine(report, kRodAreaGross, s.rod_area_gross);
    s.k_fill = kFillFactors[static_cast<size_t>(s.insulation_kind - 1)];
    s.rod_area = finite(s.k_fill * s.rod_area_gross);
    addValueLine(report, kRodArea, s.rod_area);
    s.yoke_area_gross = steppedSection(s.B, s.b);
    addValueLine(report, kYokeAreaGross, s.yoke_area_gross);
    s.yoke_area = finite(s.k_fill * s.yoke_area_gross);
    addValueLine(report, kYokeArea, s.yoke_area);
}

// D_rod = sqrt(A1^2 + a1^2), m: the circle round the centre packet; and the
// power a core of that diameter suits, S = 3 * (D_cm / 5)^4, kVA.
void writeDiameterAndEstimate(DesignState& s, Report& report) {
    s.D_rod = finite(std::sqrt(s.A[0] * s.A[0] + s.a[0] * s.a[0]));
    addValueLine(report, kRodDiameter, s.D_rod);
    s.k_fill = kEstimateDivisor;
    const double x = s.D_rod * 100 / kEstimateDivisor;
    const double x2 = x * x;
    s.S_calc = finite(3 * (x2 * x2));
    addValueLine(report, kPowerEstimate, s.S_calc);
}

// The rated data of the standard transformer nearest to the typed power;
// false (with its line) when there is none.
bool writeRatedData(DesignState& s, Report& report) {
    const std::optional<int> match = matchRatedRow(s.S_calc, s.U_hv);
    s.found = match.has_value();
    if (!match) {
        addLine(report, kNoRatedRow);
        return false;
    }
    const RatedRow& row = kRatedData[static_cast<size_t>(*match)];
    s.S_rated = row.S_kVA;
    s.U_rated = row.U_kV;
    s.P0_norm = row.P0_W;
    s.i0_norm = row.i0_pct;
    if (s.scheme == kSchemeYYn0 || s.scheme == kSchemeDYn0) {
        s.Pk_norm = row.Pk_star_W;
        s.uk_norm = row.uk_star_pct;
    } else if (s.scheme == kSchemeYZn11) {
        s.Pk_norm = row.Pk_zigzag_W;
        s.uk_norm = row.uk_zigzag_pct;
    }
    addValueLine(report, kRatedPower, s.S_rated);
    addValueLine(report, kRatedVoltage, s.U_rated);
    addValueLine(report, kNoLoadLossesNorm, s.P0_norm);
    addValueLine(report, kShortCircuitLosses, s.Pk_norm);
    addValueLine(report, kShortCircuitVoltage, s.uk_norm);
    addValueLine(report, kNoLoadCurrentPct, s.i0_norm);
    return true;
}

// Line currents I = S / (sqrt 3 * U), A, with S in kVA and U in kV.
void writeRatedCurrents(DesignState& s, Report& report) {
    const double sqrt3 = std::pow(3.0, 0.5);
    s.I_hv = divide(s.S_rated, sqrt3 * s.U_rated);
    addValueLine(report, kHvCurrent, s.I_hv);
    s.I_lv = divide(s.S_rated, sqrt3 * s.U_lv);
    addValueLine(report, kLvCurrent, s.I_lv);
}

void writeRecommendedInduction(int steelIndex, const SteelEntry& steel, DesignState& s, Report& report) {
    if (const auto ranges = inductionRangesFor(steelIndex, steel.rolling)) {
        if (const auto B_T = recommendedInduction(*ranges, s.S_rated)) s.B_rod = *B_T;
    }
    addValueLine(report, kRecommendedInduction, s.B_rod);
}

// The yoke induction, then the masses of steel: G_rod = rod_area * 3 * 7650
// * Lc_razm over the three rods; a yoke spans L_yoke = 2 * C + A1, and
// G_yoke = yoke_area * 2 * 7650 * L_yoke over the two yokes (kg, m).
void writeYokeInductionAndMasses(DesignState& s, Report& report) {
    s.B_yoke = yokeInduction(s);
    addValueLine(report, kYokeInduction, s.B_yoke);
    s.G_rod = finite(s.rod_area * kRodsDensity * s.Lc_razm);
    addValueLine(report, kRodMass, s.G_rod);
    s.L_yoke = finite(2 * s.C + s.A[0]);
    addValueLine(report, kYokeLength, s.L_yoke);
    s.G_yoke = finite(s.yoke_area * kYokesDensity * s.L_yoke);
    addValueLine(report, kYokeMass, s.G_yoke);
}

int readPower(const MagneticInputs& in) { return readRangedInput(rangedInputOf("CB_Snom"), in.snom, integerOf); }

}  // namespace

void checkMagneticInputs(const MagneticInputs& in, const std::vector<SteelEntry>& steels) {
    DesignState scratch;
    readCoreLengths(in, scratch);
    chosenSteel(in, steels);
    readVoltages(in, scratch);
    readSearchAndTappings(in, scratch);
    readScheme(in.shem);
    readPower(in);
}

DesignStop calculateMagneticCircuit(const MagneticInputs& in, const std::vector<SteelEntry>& steels, DesignState& state,
                                    Stage1Results& results, Report& report) {
    results.forget();
    report.clear();
    readCoreLengths(in, state);
    const SteelEntry& steel = chosenSteel(in, steels);
    state.steel_no = in.steelIndex + 1;
    if (!writeSteelKind(steel, state)) {
        addLine(report, kNoRollingType);
        return DesignStop::NoRollingType;
    }
    readVoltages(in, state);
    readSearchAndTappings(in, state);
    state.scheme = readScheme(in.shem);

    writeSections(state, report);
    writeDiameterAndEstimate(state, report);
    state.S_calc = readPower(in);
    if (!writeRatedData(state, report)) return DesignStop::NoRatedData;
    writeRatedCurrents(state, report);
    writeRecommendedInduction(in.steelIndex, steel, state, report);
    writeYokeInductionAndMasses(state, report);
    if (const DesignStop stop = searchInduction(steel, state, report); stop != DesignStop::None) return stop;
    results.remember(in);
    return DesignStop::None;
}

}  // namespace dravik
