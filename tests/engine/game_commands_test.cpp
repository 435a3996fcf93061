// New and Clear blue numbers: which cells they write, and what stays.
#include <gtest/gtest.h>

#include <string>

#include "engine/board_text.h"
#include "engine/diagram_check.h"
#include "engine/game_commands.h"
#include "tests/engine/fixtures.h"

namespace ninefold {
namespace {

// Givens, one program digit (cell 3) and a clash between given cells 1 and 9 (both 5).
Board mixedBoard() {
    Board board = test::BoardFrom("5.......5" + std::string(72, '.'));
    board.SetCell(3, 4, false, BackColour::White);
    board.SetCell(20, 0, false, BackColour::Yellow);
    return board;
}

TEST(NewGame, EmptiesEveryCellOnWhiteInOrder) {
    Board board = mixedBoard();
    CheckDiagram(board);
    test::RecordingPainter painter;
    board.SetPainter(&painter);
    NewGame(board);
    ASSERT_EQ(painter.calls.size(), 81U);
    for (int i = 1; i <= kCellCount; ++i) {
        EXPECT_EQ(painter.calls[i - 1].index, i);
        EXPECT_EQ(board.Cells[i], (CellState{0, false}));
        EXPECT_EQ(board.Background(i), BackColour::White);
    }
}

TEST(ClearBlueNumbers, KeepsFixedCellsUntouched) {
    Board board = mixedBoard();
    CheckDiagram(board);  // cells 1 and 9 clash: yellow, Fixed
    ASSERT_EQ(board.Background(1), BackColour::Yellow);
    test::RecordingPainter painter;
    board.SetPainter(&painter);
    ClearBlueNumbers(board);
    EXPECT_EQ(painter.calls.size(), 79U) << "every cell but the two givens is written";
    EXPECT_EQ(BoardToLine(board), "5.......5" + std::string(72, '.'));
    EXPECT_EQ(board.Background(1), BackColour::Yellow) << "a Fixed cell keeps its mark";
    EXPECT_EQ(board.Background(9), BackColour::Yellow);
    EXPECT_EQ(board.Background(3), BackColour::White);
    EXPECT_EQ(board.Background(20), BackColour::White) << "empty cells are whitened";
}

TEST(ClearBlueNumbers, WithoutProgramDigitsNoDigitChanges) {
    Board board = test::BoardFrom(test::kEasyPuzzle);
    board.SetCell(1, 0, false, BackColour::Yellow);
    ClearBlueNumbers(board);
    EXPECT_EQ(BoardToLine(board), test::kEasyPuzzle);
    EXPECT_EQ(board.Background(1), BackColour::White);
}

}  // namespace
}  // namespace ninefold
