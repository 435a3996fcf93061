// Steps that rest on the puzzle having exactly one solution: the unique rectangle (types 1
// to 4) and BUG+1. Only taken when the one solution is known to exist.
#pragma once

#include <optional>

#include "engine/steps/hint_grid.h"
#include "engine/steps/step.h"

namespace ninefold::steps {

std::optional<Step> FindUniqueRectangle(const HintGrid& grid);
std::optional<Step> FindBugPlusOne(const HintGrid& grid);

}  // namespace ninefold::steps
