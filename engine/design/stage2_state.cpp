#include "design/stage2_state.h"

#include "common/command_error.h"
#include "common/runtime_texts.h"

namespace dravik {

const BoardRow& boardRow(int boardIndex) {
    if (boardIndex < 0 || boardIndex >= static_cast<int>(kBoardTable.size())) {
        throw CommandError(texts::kRangeCheck);
    }
    return kBoardTable[static_cast<std::size_t>(boardIndex)];
}

int readTapSteps(const NumberInput& input) {
    const int steps = integerOf(input);
    if (steps < 0 || steps > kMaxTapSteps) throw CommandError(texts::kTapSteps);
    return steps;
}

}  // namespace dravik
