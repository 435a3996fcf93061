// The game's hint: the steps of the board as it stands up to the first digit they place, or
// one sentence on why there is none. It reads the board only and changes nothing.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/steps/step.h"
#include "engine/text_template.h"

namespace ninefold::steps {

enum class HintKind { Step, Clash, NoSolution, SeveralSolutions, Complete };

struct Hint {
    HintKind kind = HintKind::Step;
    std::string text;   // the full hint: the steps in order, the last placing a digit
    std::string clue;   // the first step's technique and where to look; a refusal's is its text
    int focusCell = 0;  // 1-81: the cell the hint fills, or a cell a refusal names; 0 none
    std::vector<Step> steps;
};

// Per cell (1-81), whether the player wrote it rather than it being a given.
using PlayerCells = std::array<bool, kCellCount + 1>;

// The board's givens are its Fixed digits outside `playerCells`; the rest are the player's.
// Every text of the hint comes from `source`'s templates.
Hint NextHint(const Board& board, const PlayerCells* playerCells = nullptr,
              const TextSource& source = EnglishText());

}  // namespace ninefold::steps
