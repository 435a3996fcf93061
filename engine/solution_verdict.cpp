// The solution count stopped at two, with no bound on the work.
#include "engine/solution_verdict.h"

#include <limits>

#include "engine/completion_count.h"

namespace ninefold::hints {

SolutionVerdict JudgeSolutions(const GridDigits& digits, GridDigits& solution) {
    int64_t budget = std::numeric_limits<int64_t>::max();
    DigitGrid found{};
    const CompletionCount count = CountCompletions(digits, 2, budget, found);
    if (count.count == 0) {
        return SolutionVerdict::None;
    }
    if (count.count >= 2) {
        return SolutionVerdict::Several;
    }
    solution = found;
    return SolutionVerdict::One;
}

}  // namespace ninefold::hints
