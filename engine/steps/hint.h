// The game's hint: the steps of the board as it stands up to the first digit they place, or
// one sentence on why there is none. It reads the board only and changes nothing.
#pragma once

#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/steps/step.h"

namespace ninefold::steps {

enum class HintKind { Step, Clash, NoSolution, SeveralSolutions, Complete };

struct Hint {
    HintKind kind = HintKind::Step;
    std::string text;   // the full hint: the steps in order, the last placing a digit
    std::string clue;   // the first step's technique and where to look; a refusal's is its text
    int focusCell = 0;  // 1-81: the cell the hint fills, or a cell a refusal names; 0 none
    std::vector<Step> steps;
};

Hint NextHint(const Board& board);

}  // namespace ninefold::steps
