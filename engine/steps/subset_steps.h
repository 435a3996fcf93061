// Naked and hidden subsets (pairs, triples, quads) within one unit, and the direct forms of
// hidden pairs and triples.
#pragma once

#include <optional>

#include "engine/steps/hint_grid.h"
#include "engine/steps/step.h"

namespace ninefold::steps {

// size 2, 3 or 4.
std::optional<Step> FindNakedSubset(const HintGrid& grid, int size);
// A direct form (hidden pair or triple leading straight to a hidden single) is preferred.
std::optional<Step> FindHiddenSubset(const HintGrid& grid, int size);

}  // namespace ninefold::steps
