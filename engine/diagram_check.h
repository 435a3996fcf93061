// The three-stage grid check: clashing digits, dead cells, completeness.
#pragma once

#include <string>

#include "engine/board.h"

namespace ninefold {

// Marks clashing and dead cells yellow (everything else white) and returns the report,
// lines separated by CR LF.
std::string CheckDiagram(Board& board);

}  // namespace ninefold
