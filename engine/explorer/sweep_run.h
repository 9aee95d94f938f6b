#pragma once

#include "explorer/sweep.h"
#include "explorer/variant_result.h"

#include <QFuture>
#include <memory>

class QThreadPool;

namespace dravik {

// Runs every variant of `sweep` on the threads of `pool` (the program's
// global pool when none is given: one thread per core). Each variant is a
// design of its own on states of its own, so its result is the same on any
// thread and with any number of threads; the future holds result i for
// variant i, and reports them as they arrive. Cancelling the future stops the
// variants not yet started and keeps the results already made.
QFuture<VariantResult> runSweep(std::shared_ptr<const Sweep> sweep, const Prices& prices,
                                QThreadPool* pool = nullptr);

}  // namespace dravik
