// Mean time of "Calculation of the magnetic" on the typical design (100 kVA,
// 10/0,38 kV, Y/Zn-11, steel 3404, the standard core of D 0,13 m), whose
// search takes three losses passes and ends at 1.675 T. The whole command
// must stay well under a millisecond, so that the window never waits on it.
#include "magnetic/core_geometry.h"
#include "magnetic/magnetic_calculation.h"
#include "catalogues/steel_catalogue.h"

#include <chrono>
#include <cstdio>

namespace {

dravik::MagneticInputs typicalDesign() {
    using namespace dravik;
    CoreGeometryMemory memory;
    CoreGeometryResult core;
    pickStandardSheets({QStringLiteral("100"), QStringLiteral("0,13"), false}, memory, core);
    MagneticInputs in;
    in.Lc = (*core.windowTexts)[0];
    in.Cok = (*core.windowTexts)[1];
    in.C = (*core.windowTexts)[2];
    in.A = *core.A;
    in.a = *core.a;
    in.B.fill(QStringLiteral("0"));
    in.b.fill(QStringLiteral("0"));
    for (size_t i = 0; i < core.B->size(); ++i) {
        in.B[i] = (*core.B)[i];
        in.b[i] = (*core.b)[i];
    }
    in.dz = QStringLiteral("0,35");
    in.steelIndex = 2;
    in.Uvn = QStringLiteral("10");
    in.Un = QStringLiteral("0,38");
    in.hB = QStringLiteral("0,05");
    in.hU = QStringLiteral("2,5");
    in.numhU = QStringLiteral("2");
    in.shem = QStringLiteral("Y/Zn-11");
    in.snom = QStringLiteral("100");
    return in;
}

}  // namespace

int main() {
    using Clock = std::chrono::steady_clock;
    const dravik::MagneticInputs in = typicalDesign();
    const std::vector<dravik::SteelEntry> steels = dravik::SteelCatalogue().entries();
    dravik::DesignState state;
    dravik::Report report;

    constexpr int kWarmUp = 100;
    constexpr int kRuns = 2000;
    bool met = true;
    for (int i = 0; i < kWarmUp; ++i) met = dravik::calculateMagneticCircuit(in, steels, state, report) && met;
    const auto start = Clock::now();
    for (int i = 0; i < kRuns; ++i) met = dravik::calculateMagneticCircuit(in, steels, state, report) && met;
    const std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;

    std::printf("magnetic calculation, typical design: %.1f us mean over %d runs (%lld lines, both criteria %s)\n",
                elapsed.count() / kRuns, kRuns, static_cast<long long>(report.size()), met ? "met" : "NOT met");
    return met ? 0 : 1;
}
