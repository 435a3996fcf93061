// Game > New and Game > Clear blue numbers, both written cell by cell through SetCell.
#include "engine/game_commands.h"

#include "engine/game_texts.h"

namespace ninefold {

std::string NewGameQuestion(const TextSource& texts) {
    return Sentence(texts, texts::kEntriesWillBeLost) + "\r\n" +
           Sentence(texts, texts::kAreYouSure);
}

void NewGame(Board& board) {
    for (int i = 1; i <= kCellCount; ++i) {
        board.SetCell(i, 0, true, BackColour::White);
    }
}

void ClearBlueNumbers(Board& board) {
    for (int i = 1; i <= kCellCount; ++i) {
        if (!board.Cells[i].Fixed) {
            board.SetCell(i, 0, true, BackColour::White);
        }
    }
}

}  // namespace ninefold
