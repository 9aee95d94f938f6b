#include "magnetic/stage1_results.h"

#include "common/command_error.h"
#include "common/runtime_texts.h"

namespace dravik {

bool Stage1Results::areCurrentFor(const MagneticInputs& typed) const {
    return inputs_.has_value() && *inputs_ == lengthPointsAsCommas(typed);
}

void Stage1Results::requireCurrentFor(const MagneticInputs& typed) const {
    if (!areCurrentFor(typed)) throw CommandError(texts::kStage1Changed);
}

}  // namespace dravik
