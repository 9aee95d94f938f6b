#include "explorer/sweep_run.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <numeric>
#include <vector>

namespace dravik {
namespace {

// What the threads share while the sweep runs: the sweep, read only.
struct SweepJob {
    std::shared_ptr<const Sweep> sweep;
    Prices prices;
    std::vector<int> variants;  // 0, 1, ... size - 1
};

}  // namespace

QFuture<VariantResult> runSweep(std::shared_ptr<const Sweep> sweep, const Prices& prices, QThreadPool* pool) {
    auto job = std::make_shared<SweepJob>();
    job->sweep = std::move(sweep);
    job->prices = prices;
    job->variants.resize(static_cast<size_t>(job->sweep->size()));
    std::iota(job->variants.begin(), job->variants.end(), 0);
    // The map function owns the job, so the sweep and the list of variants
    // live as long as the run does.
    auto evaluate = [job](int variant) { return evaluateVariant(*job->sweep, variant, job->prices); };
    return QtConcurrent::mapped(pool ? pool : QThreadPool::globalInstance(), job->variants.cbegin(),
                                job->variants.cend(), std::move(evaluate));
}

}  // namespace dravik
