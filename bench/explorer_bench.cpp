// The design explorer's speed: a sweep of the typical rating (100 kVA,
// 10/0,38 kV, Y/Zn-11) over every standard diameter of the power, window
// heights 360..480 mm, rod spacings 243..323 mm, the four built-in steels and
// both conductor metals: 8 x 13 x 17 x 4 x 2 = 14144 complete variants.
// Prints variants per second on one thread, and per core on all of them.
#include "catalogues/provod_file.h"
#include "catalogues/steel_catalogue.h"
#include "explorer/sweep.h"
#include "explorer/variant_result.h"

#include <QFile>
#include <chrono>
#include <map>
#include <cstdio>

namespace {

using namespace dravik;

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

}  // namespace

int main() {
    using Clock = std::chrono::steady_clock;
    const SweepBase base = typicalBase();
    SweepRanges ranges;
    ranges.diameterItems = standardDiametersFor(base.stage1.snom, base.stage1.dnom, false, base.coreGeometry).items;
    ranges.lcFrom_mm = 360;
    ranges.lcTo_mm = 480;
    ranges.cFrom_mm = 243;
    ranges.cTo_mm = 323;
    ranges.steelIndexes = {2, 3};
    ranges.materialItems = {kCopperItem, kAluminumItem};
    const Sweep sweep(base, ranges, SteelCatalogue().entries(), shippedWires());
    const Prices prices;

    int meets = 0;
    std::map<int,int> hist;
    const auto start = Clock::now();
    std::map<int,double> tm; for (int i = 0; i < sweep.size(); ++i) { auto t0=Clock::now(); auto r = evaluateVariant(sweep, i, prices); tm[int(r.stop)] += std::chrono::duration<double>(Clock::now()-t0).count(); meets += r.meetsEverything() ? 1 : 0; hist[int(r.stop)]++; if (r.stop==DesignStop::Refused && hist[int(r.stop)]<3) std::printf("%s\n", qPrintable(r.refusal));}
    for (auto [k,v]: hist) std::printf("stop %d: %d %.1f us\n", k, v, tm[k]*1e6/v);
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    std::printf("design explorer, %d variants of the typical rating (%d meet every check):\n", sweep.size(), meets);
    std::printf("  one thread:  %8.0f variants per second (%.1f us each)\n", sweep.size() / elapsed.count(),
                elapsed.count() * 1e6 / sweep.size());
    return 0;
}
