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

}  // namespace dravik
