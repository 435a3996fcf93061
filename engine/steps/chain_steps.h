// Chains of implications: single-digit chains (skyscraper, two-string kite, X-chains) and
// XY-chains through cells of two candidates. The shortest chain that removes something wins.
#pragma once

#include <optional>

#include "engine/steps/hint_grid.h"
#include "engine/steps/step.h"

namespace ninefold::steps {

std::optional<Step> FindXChain(const HintGrid& grid);
std::optional<Step> FindXYChain(const HintGrid& grid);

}  // namespace ninefold::steps
