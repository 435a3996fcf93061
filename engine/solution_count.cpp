// The count command's question put to the completion count, with no bound on the work.
#include "engine/solution_count.h"

#include <limits>

#include "engine/completion_count.h"

namespace ninefold {

uint64_t CountSolutions(const CellGrid& grid, uint64_t limit) {
    DigitGrid digits;
    for (int c = 0; c < kCellCount; ++c) {
        digits[c] = grid[c].Digit;
    }
    int64_t budget = std::numeric_limits<int64_t>::max();
    DigitGrid found;
    return CountCompletions(digits, limit, budget, found).count;
}

}  // namespace ninefold
