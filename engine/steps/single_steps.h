// Steps that place a digit from one cell or one unit: full house, hidden single, naked single.
#pragma once

#include <optional>

#include "engine/steps/hint_grid.h"
#include "engine/steps/step.h"

namespace ninefold::steps {

std::optional<Step> FindFullHouse(const HintGrid& grid);
// Boxes (weight 1.2) or rows and columns (1.5).
std::optional<Step> FindHiddenSingle(const HintGrid& grid, bool inBoxes);
std::optional<Step> FindNakedSingle(const HintGrid& grid);

struct HiddenSingle {
    CellDigit placement;  // cell 0-80
    int unit;
};
// The first hidden single that the eliminations (cells 0-80) bring about, boxes first: what
// makes a pointing, claiming or hidden subset "direct".
std::optional<HiddenSingle> HiddenSingleAfter(const HintGrid& grid,
                                              const std::vector<CellDigit>& eliminations);

}  // namespace ninefold::steps
