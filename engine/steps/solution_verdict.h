// Whether a grid's digits leave no solution, exactly one or several: the question every use
// of the step solver asks first, answered in this one place.
#pragma once

#include "engine/addressing.h"

namespace ninefold::steps {

enum class SolutionVerdict { None, One, Several };

// Digits that clash have no solution. `solution` receives the one solution when there is one.
SolutionVerdict JudgeSolutions(const DigitGrid& digits, DigitGrid& solution);

}  // namespace ninefold::steps
