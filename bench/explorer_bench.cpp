// The design explorer's speed: a sweep of the typical rating (100 kVA,
// 10/0,38 kV, Y/Zn-11) over every diameter "Pick sheets for power" gives the
// power (0,10..0,14 m), window heights 360..480 mm by 10, rod spacings
// 243..323 mm by 5, the four built-in steels and both conductor metals:
// 8 x 13 x 17 x 4 x 2 = 14144 variants. Each stops where its design stops;
// those that reach the short-circuit check are the complete designs, timed
// again on their own. Prints variants per second on one thread, per core
// on every core, and the same with the report lines written, as the windows
// write them.
#include "catalogues/provod_file.h"
#include "catalogues/steel_catalogue.h"
#include "explorer/sweep.h"
#include "explorer/sweep_run.h"
#include "explorer/variant_result.h"

#include <QFile>
#include <QThread>
#include <QThreadPool>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

using namespace dravik;
using Clock = std::chrono::steady_clock;

SweepBase typicalBase() {
    SweepBase base;
    MagneticInputs& in = base.stage1;
    for (int i = 0; i < 8; ++i) in.B[i] = in.b[i] = "0";
    in.dz = "0,35";
    in.Cok = "150";
    in.Uvn = "10";
    in.Un = "0,38";
    in.hB = "0,05";
    in.hU = "2,5";
    in.numhU = "2";
    in.shem = "Y/Zn-11";
    in.snom = "100";
    in.dnom = "0,13";
    base.l_01 = "15";
    base.k_t = "1,03";
    base.a_01 = "4";
    return base;
}

std::vector<WireRecord> shippedWires() {
    QFile file(QStringLiteral(SHIPPED_WIRE_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return readProvodImage(file.readAll());
}

// Seconds that `run` takes, the best of three.
template <typename Run>
double bestSeconds(Run&& run) {
    double best = HUGE_VAL;
    for (int i = 0; i < 3; ++i) {
        const auto start = Clock::now();
        run();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main() {
    const SweepBase base = typicalBase();
    SweepRanges ranges;
    ranges.diameterItems = standardDiametersFor(base.stage1.snom, base.stage1.dnom, false, base.coreGeometry).items;
    ranges.lcFrom_mm = 360;
    ranges.lcTo_mm = 480;
    ranges.cFrom_mm = 243;
    ranges.cTo_mm = 323;
    ranges.steelIndexes = {0, 1, 2, 3};
    ranges.materialItems = {kCopperItem, kAluminumItem};
    const auto sweep = std::make_shared<const Sweep>(base, ranges, SteelCatalogue().entries(), shippedWires());
    const Prices prices;
    const int variants = sweep->size();

    std::vector<int> complete;
    for (int i = 0; i < variants; ++i) {
        const VariantResult r = evaluateVariant(*sweep, i, prices);
        if (!std::isnan(r.Pk_W)) complete.push_back(i);
    }

    const double alone = bestSeconds([&] {
        for (int i = 0; i < variants; ++i) evaluateVariant(*sweep, i, prices);
    });
    const double completeAlone = bestSeconds([&] {
        for (const int i : complete) evaluateVariant(*sweep, i, prices);
    });
    // The same designs with every report line built, as the windows show them.
    const double withLines = bestSeconds([&] {
        for (const int i : complete) {
            DesignState design;
            Stage2State windings;
            Report stage1;
            Report memo;
            designWhole(sweep->inputs(sweep->variant(i)), {sweep->steels(), sweep->wires()}, design, windings, stage1,
                        memo);
        }
    });
    const int cores = QThread::idealThreadCount();
    QThreadPool pool;
    pool.setMaxThreadCount(cores);
    const double together = bestSeconds([&] { runSweep(sweep, prices, &pool).waitForFinished(); });

    std::printf("design explorer: %d variants of the typical rating, %zu of them complete designs\n", variants,
                complete.size());
    std::printf("  one thread, every variant:           %9.0f variants/s (%.1f us each)\n", variants / alone,
                alone * 1e6 / variants);
    std::printf("  one thread, complete designs only:   %9.0f designs/s  (%.1f us each)\n",
                complete.size() / completeAlone, completeAlone * 1e6 / complete.size());
    std::printf("  the same with their report lines:    %9.0f designs/s  (%.1f us each)\n", complete.size() / withLines,
                withLines * 1e6 / complete.size());
    std::printf("  %d threads, every variant:            %9.0f variants/s, %.0f per core (goal: 10000 per core)\n",
                cores, variants / together, variants / together / cores);
    return 0;
}
