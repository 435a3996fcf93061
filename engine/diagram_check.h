// The three-stage grid check: clashing digits, dead cells, completeness.
#pragma once

#include <string>

#include "engine/board.h"
#include "engine/text_template.h"

namespace ninefold {

// Marks clashing and dead cells yellow (everything else white) and returns the report,
// lines separated by CR LF, in the texts' language.
std::string CheckDiagram(Board& board, const TextSource& texts = EnglishText());

}  // namespace ninefold
