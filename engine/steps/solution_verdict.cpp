// Whether the digits have no solution, one or several, with no bound on the work.
#include "engine/steps/solution_verdict.h"

#include <limits>

#include "engine/solution_count.h"

namespace ninefold::steps {

SolutionVerdict JudgeSolutions(const DigitGrid& digits, DigitGrid& solution) {
    int64_t budget = std::numeric_limits<int64_t>::max();
    DigitGrid found{};
    switch (ClassifySolutions(digits, budget, found)) {
        case Solutions::One:
            solution = found;
            return SolutionVerdict::One;
        case Solutions::Several:
            return SolutionVerdict::Several;
        case Solutions::None:
        case Solutions::Unknown:  // no bound on the work: never met
            break;
    }
    return SolutionVerdict::None;
}

}  // namespace ninefold::steps
