// Single-digit patterns of two strong links joined by a weak one: skyscraper, two-string
// kite, turbot fish and their grouped forms, where one end is a box-line group.
#pragma once

#include <optional>

#include "engine/steps/hint_grid.h"
#include "engine/steps/step.h"

namespace ninefold::steps {

// The lightest pattern there is: skyscraper 4.0, two-string kite or turbot fish 4.1, a
// turbot fish of two box links 4.2, any grouped pattern 4.3.
std::optional<Step> FindTwoStrongLinks(const HintGrid& grid);

}  // namespace ninefold::steps
