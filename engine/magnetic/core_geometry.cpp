#include "magnetic/core_geometry.h"

#include "common/guards.h"
#include "common/number_text.h"
#include "design/input_ranges.h"
#include "magnetic/core_geometry_tables.h"

namespace dravik {
namespace {

using namespace core_tables;

// A diameter of the tables in metres: the same double as its list text.
double metres(int millimetres) { return millimetres / 1000.0; }

void writeWindowDimensions(double S_kVA, CoreGeometryResult& out) {
    for (const WindowDimensions& row : kWindowDimensions) {
        if (S_kVA == row.S_kVA) {
            out.windowTexts = std::array<QString, 3>{QString::fromLatin1(row.Lc), QString::fromLatin1(row.Cok),
                                                     QString::fromLatin1(row.C)};
            return;
        }
    }
}

bool diameterFits(const StepChoice& choice, double D_m) {
    if (choice.D_from_mm == kAnyDiameter) return true;
    return metres(choice.D_from_mm) <= D_m && D_m <= metres(choice.D_to_mm);
}

// The step count and diameter bounds of the power; a power or diameter
// that no row covers keeps those of the last use.
void chooseSteps(std::int64_t s_kVA, double D_m, CoreGeometryMemory& memory, CoreGeometryResult& out) {
    for (const StepChoice& choice : kStepChoices) {
        if (s_kVA < choice.s_from_kVA || s_kVA > choice.s_to_kVA || !diameterFits(choice, D_m)) continue;
        memory.steps = choice.steps;
        memory.D_min = metres(choice.D_min_mm);
        memory.D_max = metres(choice.D_max_mm);
        out.steps = choice.steps;
    }
}

double clampToBounds(double D_m, const CoreGeometryMemory& memory) {
    if (D_m < memory.D_min) D_m = memory.D_min;
    if (D_m > memory.D_max) D_m = memory.D_max;
    return D_m;
}

// The first standard diameter not below D.
std::optional<int> standardDiameterIndex(double D_m) {
    for (size_t i = 0; i < kStandardDiameters_mm.size(); ++i) {
        if (metres(kStandardDiameters_mm[i]) >= D_m) return static_cast<int>(i);
    }
    return std::nullopt;
}

// Whole millimetres of a size given in thousandths of a millimetre.
QString wholeMillimetres(int thousandths) { return formatWholeRoundedAway(thousandths / 1000.0L); }

QString millimetresText(int millimetres) { return QString::number(millimetres); }

// Packets of 1..6 steps as fractions of the diameter; the yoke is stepped
// like the rod.
void writeFactorPackets(int steps, int D_mm, CoreGeometryResult& out) {
    const PacketFactors& factors = kPacketFactors[static_cast<size_t>(steps - 1)];
    std::array<QString, 8> A, a;
    A.fill(QStringLiteral("0"));
    a.fill(QStringLiteral("0"));
    for (size_t i = 0; i < factors.width_milli.size(); ++i) {
        A[i] = wholeMillimetres(factors.width_milli[i] * D_mm);
        a[i] = wholeMillimetres(factors.thickness_milli[i] * D_mm);
    }
    out.A = A;
    out.a = a;
    std::array<QString, 6> B, b;
    for (size_t i = 0; i < B.size(); ++i) {
        B[i] = A[i];
        b[i] = a[i];
    }
    out.B = B;
    out.b = b;
}

// Packets of 7 and 8 steps from the fixed sizes of the diameter; a
// diameter without them leaves the packet fields alone.
void writeFixedPackets(int steps, int D_mm, bool pressPlate, CoreGeometryResult& out) {
    for (const FixedPackets& row : kFixedPackets) {
        if (row.steps != steps || row.D_mm != D_mm) continue;
        std::array<QString, 8> A, a;
        for (size_t i = 0; i < A.size(); ++i) {
            const bool plate = pressPlate && i == kPressPlatePacket;
            A[i] = millimetresText(plate ? 0 : row.A[i]);
            a[i] = millimetresText(plate ? 0 : row.a[i]);
        }
        out.A = A;
        out.a = a;
        std::array<QString, 6> B, b;
        for (size_t i = 0; i < B.size(); ++i) {
            B[i] = millimetresText(row.B[i]);
            b[i] = millimetresText(row.b[i]);
        }
        out.B = B;
        out.b = b;
        return;
    }
}

void writePackets(int steps, int D_mm, bool pressPlate, CoreGeometryResult& out) {
    if (steps >= 1 && steps <= static_cast<int>(kPacketFactors.size())) {
        writeFactorPackets(steps, D_mm, out);
    } else {
        writeFixedPackets(steps, D_mm, pressPlate, out);
    }
}

}  // namespace

void pickStandardSheets(const CoreGeometryInputs& in, CoreGeometryMemory& memory, CoreGeometryResult& out) {
    const double S_kVA = readRangedInput(rangedInputOf("CB_Snom"), in.snom, floatOf);
    writeWindowDimensions(S_kVA, out);

    double D_m = readRangedInput(rangedInputOf("CB_Dnom"), in.dnom, floatOf);
    chooseSteps(roundHalfEven(S_kVA), D_m, memory, out);
    D_m = clampToBounds(D_m, memory);

    // With bounds the command set itself the diameter is never above the
    // largest standard one; bounds from elsewhere that are leave the rest.
    const std::optional<int> item = standardDiameterIndex(D_m);
    if (!item) return;
    out.dnomIndex = *item;
    const int D_mm = kStandardDiameters_mm[static_cast<size_t>(*item)];

    if (memory.steps >= 7 && D_mm < kSmallestManyStepDiameter_mm) {
        memory.steps = 6;
        out.steps = 6;
    }
    writePackets(memory.steps, D_mm, in.pressPlate, out);
}

}  // namespace dravik
