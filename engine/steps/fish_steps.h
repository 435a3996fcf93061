// Fish: a digit whose places in n rows all lie in n columns (or the other way round), so it
// leaves those columns elsewhere: X-wing (2), swordfish (3), jellyfish (4).
#pragma once

#include <optional>

#include "engine/steps/hint_grid.h"
#include "engine/steps/step.h"

namespace ninefold::steps {

std::optional<Step> FindFish(const HintGrid& grid, int size);

}  // namespace ninefold::steps
