// Mean time of "Calculation of the magnetic" on the typical design (100 kVA,
// 10/0,38 kV, Y/Zn-11, steel 3404, the standard core of D 0,13 m), whose
// search takes three losses passes and ends at 1.675 T. The whole command
// must stay well under a millisecond, so that the window never waits on it.
#include "catalogues/steel_catalogue.h"
#include "magnetic/magnetic_calculation.h"
#include "magnetic/typical_design_report.h"

#include <chrono>
#include <cstdio>

int main() {
    using Clock = std::chrono::steady_clock;
    const dravik::MagneticInputs in = dravik::test::typicalDesign();
    const std::vector<dravik::SteelEntry> steels = dravik::SteelCatalogue().entries();
    dravik::DesignState state;
    dravik::Stage1Results results;
    dravik::Report report;

    constexpr int kWarmUp = 100;
    constexpr int kRuns = 2000;
    const auto calculate = [&] {
        return dravik::calculateMagneticCircuit(in, steels, state, results, report) == dravik::DesignStop::None;
    };
    bool met = true;
    for (int i = 0; i < kWarmUp; ++i) met = calculate() && met;
    const auto start = Clock::now();
    for (int i = 0; i < kRuns; ++i) met = calculate() && met;
    const std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;

    std::printf("magnetic calculation, typical design: %.1f us mean over %d runs (%lld lines, both criteria %s)\n",
                elapsed.count() / kRuns, kRuns, static_cast<long long>(report.size()), met ? "met" : "NOT met");
    return met ? 0 : 1;
}
