// The game's hint: the next logical step of the board as it stands, or one sentence on why
// there is none. It reads the board's digits only and changes nothing.
#pragma once

#include <optional>
#include <string>

#include "engine/board.h"
#include "engine/steps/step.h"

namespace ninefold::steps {

enum class HintKind { Step, Clash, NoSolution, SeveralSolutions, Complete };

struct Hint {
    HintKind kind = HintKind::Step;
    std::string text;   // one sentence ending in "."
    int focusCell = 0;  // 1-81: the cell the step places, else the first it removes from; 0 none
    std::optional<Step> step;
};

Hint NextHint(const Board& board);

}  // namespace ninefold::steps
