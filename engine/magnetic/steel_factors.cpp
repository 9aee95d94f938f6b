#include "magnetic/steel_factors.h"

#include "common/command_error.h"
#include "common/runtime_texts.h"

namespace dravik {

SteelKindFactors steelKindFactors(int steel_kind) {
    if (steel_kind < 1 || steel_kind > static_cast<int>(kSteelKindFactors.size())) {
        throw CommandError(texts::kRangeCheck);
    }
    return kSteelKindFactors[static_cast<size_t>(steel_kind - 1)];
}

}  // namespace dravik
