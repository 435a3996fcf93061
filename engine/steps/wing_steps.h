// Wings: a pivot cell and two pincers that see it, one of which must hold the digit the
// pincers share: XY-wing (a pivot of two candidates) and XYZ-wing (three).
#pragma once

#include <optional>

#include "engine/steps/hint_grid.h"
#include "engine/steps/step.h"

namespace ninefold::steps {

std::optional<Step> FindXYWing(const HintGrid& grid);
std::optional<Step> FindXYZWing(const HintGrid& grid);

}  // namespace ninefold::steps
