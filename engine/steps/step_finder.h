// Finding the easiest step on a grid, by weight, and applying a step to it.
#pragma once

#include <optional>
#include <vector>

#include "engine/steps/hint_grid.h"
#include "engine/steps/step.h"

namespace ninefold::steps {

// The step of least weight among all techniques. With the puzzle's one solution given, the
// steps that rest on uniqueness are allowed too and a step is always found on an unsolved grid.
std::optional<Step> FindEasiestStep(const HintGrid& grid, const DigitGrid* solution);

// Finds the easiest step and applies it to the grid; a step that would change nothing gives
// way to trial by search, which always removes a candidate. Nothing when no step is left.
std::optional<Step> TakeStep(HintGrid& grid, const DigitGrid& solution);

// The lightest technique of each finder, in the order they are tried: lightest first.
std::vector<Technique> FinderOrder();

// Places the step's digits and removes its candidates (cells 1-81); false when it changed
// nothing.
bool ApplyStep(HintGrid& grid, const Step& step);

}  // namespace ninefold::steps
