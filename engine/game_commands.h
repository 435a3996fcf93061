// New game and Clear blue numbers: emptying every cell, or every cell the program filled.
#pragma once

#include <string>

#include "engine/board.h"
#include "engine/text_template.h"

namespace ninefold {

// The question the game asks before New, two lines; the answer is the window's.
std::string NewGameQuestion(const TextSource& texts = EnglishText());

void NewGame(Board& board);
// Empties every cell whose Fixed is false; Fixed cells are not touched at all.
void ClearBlueNumbers(Board& board);

}  // namespace ninefold
