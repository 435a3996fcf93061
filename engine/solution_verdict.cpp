// Whether the digits have no solution, one or several, with no bound on the work.
#include "engine/solution_verdict.h"

#include <algorithm>
#include <limits>

#include "engine/solution_count.h"

namespace ninefold::hints {

SolutionVerdict JudgeSolutions(const GridDigits& digits, GridDigits& solution) {
    int64_t budget = std::numeric_limits<int64_t>::max();
    DigitGrid numbered{};
    std::copy(digits.begin(), digits.end(), numbered.begin() + 1);
    DigitGrid found{};
    switch (ClassifySolutions(numbered, budget, found)) {
        case Solutions::One:
            std::copy(found.begin() + 1, found.end(), solution.begin());
            return SolutionVerdict::One;
        case Solutions::Several:
            return SolutionVerdict::Several;
        case Solutions::None:
        case Solutions::Unknown:  // no bound on the work: never met
            break;
    }
    return SolutionVerdict::None;
}

}  // namespace ninefold::hints
