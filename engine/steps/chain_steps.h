// Chains of implications: X-chains of one digit (the shortest, of two strong links, are found
// before these) and XY-chains through cells of two candidates. The shortest chain that removes
// something wins.
#pragma once

#include <optional>

#include "engine/steps/hint_grid.h"
#include "engine/steps/step.h"

namespace ninefold::steps {

std::optional<Step> FindXChain(const HintGrid& grid);
std::optional<Step> FindXYChain(const HintGrid& grid);

}  // namespace ninefold::steps
