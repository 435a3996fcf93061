// Game > New and Game > Clear blue numbers, both written cell by cell through SetCell.
#include "engine/game_commands.h"

namespace ninefold {

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
