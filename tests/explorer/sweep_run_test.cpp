#include "explorer/explorer_support.h"

#include "explorer/sweep_run.h"

#include <QThreadPool>
#include <gtest/gtest.h>

#include <cstring>

// A sweep on one thread and on several gives the same results, and a
// cancelled sweep keeps what it made.
namespace dravik::test {
namespace {

// `lcStep` and `cStep` in mm: 20 and 10 make 2016 variants, 5 and 1 make
// 64,800.
std::shared_ptr<const Sweep> sweepOf100kVA(int lcStep = 20, int cStep = 10) {
    SweepRanges ranges;
    ranges.diameterItems = standardDiametersFor("100", "0,13", false, {}).items;
    ranges.lcFrom_mm = 360;
    ranges.lcTo_mm = 480;
    ranges.lcStep_mm = lcStep;
    ranges.cFrom_mm = 243;
    ranges.cTo_mm = 323;
    ranges.cStep_mm = cStep;
    ranges.steelIndexes = {2, 3};
    ranges.materialItems = {kCopperItem, kAluminumItem};
    return std::make_shared<const Sweep>(windowBase("100", "Y/Zn-11"), ranges, builtInSteels(), shippedWires());
}

// Two results are the same when every figure is the same to the bit.
bool same(const VariantResult& a, const VariantResult& b) {
    const double figuresA[] = {a.miss, a.B_T, a.P0_W, a.i0_pct, a.Pk_W, a.uk_pct, a.steel_kg, a.conductor_kg, a.cost,
                               a.owningCost};
    const double figuresB[] = {b.miss, b.B_T, b.P0_W, b.i0_pct, b.Pk_W, b.uk_pct, b.steel_kg, b.conductor_kg, b.cost,
                               b.owningCost};
    return a.variant.index == b.variant.index && a.stop == b.stop && a.refusal == b.refusal &&
           std::memcmp(figuresA, figuresB, sizeof figuresA) == 0;
}

std::vector<VariantResult> runOn(int threads, const std::shared_ptr<const Sweep>& sweep) {
    QThreadPool pool;
    pool.setMaxThreadCount(threads);
    QFuture<VariantResult> run = runSweep(sweep, Prices{}, &pool);
    run.waitForFinished();
    std::vector<VariantResult> results;
    for (int i = 0; i < run.resultCount(); ++i) results.push_back(run.resultAt(i));
    return results;
}

TEST(SweepRun, OneThreadAndSeveralGiveTheSameResults) {
    const std::shared_ptr<const Sweep> sweep = sweepOf100kVA();
    const std::vector<VariantResult> alone = runOn(1, sweep);
    const std::vector<VariantResult> together = runOn(4, sweep);
    ASSERT_EQ(alone.size(), static_cast<size_t>(sweep->size()));
    ASSERT_EQ(together.size(), alone.size());
    for (size_t i = 0; i < alone.size(); ++i) {
        ASSERT_TRUE(same(alone[i], together[i])) << "variant " << i;
        ASSERT_EQ(alone[i].variant.index, static_cast<int>(i));
    }
}

TEST(SweepRun, CancelKeepsTheResultsAlreadyMade) {
    const std::shared_ptr<const Sweep> sweep = sweepOf100kVA(5, 1);
    QThreadPool pool;
    pool.setMaxThreadCount(1);
    QFuture<VariantResult> run = runSweep(sweep, Prices{}, &pool);
    while (run.resultCount() == 0) QThread::yieldCurrentThread();
    run.cancel();
    run.waitForFinished();
    EXPECT_TRUE(run.isCanceled());
    int kept = 0;
    for (int i = 0; i < sweep->size(); ++i) {
        if (!run.isResultReadyAt(i)) continue;
        ++kept;
        EXPECT_TRUE(same(run.resultAt(i), evaluateVariant(*sweep, i, Prices{}))) << "variant " << i;
    }
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, sweep->size());
}

}  // namespace
}  // namespace dravik::test
