// New game and Clear blue numbers: emptying every cell, or every cell the program filled.
#pragma once

#include "engine/board.h"

namespace ninefold {

// The question the game asks before New; the answer is the window's.
inline constexpr const char* kNewGameQuestion = "Manual entries will be lost.\r\nAre you sure?";

void NewGame(Board& board);
// Empties every cell whose Fixed is false; Fixed cells are not touched at all.
void ClearBlueNumbers(Board& board);

}  // namespace ninefold
