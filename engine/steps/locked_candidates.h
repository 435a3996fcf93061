// Locked candidates: a digit confined to one line within a box (pointing) or to one box within
// a line (claiming), in their direct forms too.
#pragma once

#include <optional>

#include "engine/steps/hint_grid.h"
#include "engine/steps/step.h"

namespace ninefold::steps {

// The lightest locked-candidates step there is: direct pointing, direct claiming, pointing,
// then claiming.
std::optional<Step> FindLockedCandidates(const HintGrid& grid);

}  // namespace ninefold::steps
