// The last resorts: forcing chains (every digit a cell can take, or every place a digit has in
// a unit, forces the same conclusion), trial (an assumption that ends in a contradiction), and
// trial by search (an assumption after which the grid has no completion).
#pragma once

#include <optional>

#include "engine/steps/hint_grid.h"
#include "engine/steps/step.h"

namespace ninefold::steps {

// A forcing chain when there is one, else a trial step; only singles are followed, and the
// shortest conclusion wins.
std::optional<Step> FindForcingChainOrTrial(const HintGrid& grid);

// Removes a candidate that differs from the puzzle's one solution, from a cell with as few
// candidates as possible: always possible while the grid is unsolved, which is what lets
// every puzzle with one solution be explained to the end.
std::optional<Step> FindTrialBySearch(const HintGrid& grid, const DigitGrid& solution);

}  // namespace ninefold::steps
