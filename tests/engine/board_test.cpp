// SetCell's four steps, its text operations, the change log and the whole-board repaint.
#include <gtest/gtest.h>

#include "engine/board.h"
#include "engine/board_text.h"
#include "tests/engine/fixtures.h"

namespace ninefold {
namespace {

using test::RecordingPainter;

struct OpCase {
    int before;
    const char* op;
    int after;
};

TEST(SetCell, TextOperationsStepAndWrap) {
    const OpCase cases[] = {{0, "+", 1}, {8, "+", 9}, {9, "+", 0}, {0, "-", 9}, {1, "-", 0},
                            {5, "-", 4}, {5, "", 0},  {5, "7", 7}, {0, "0", 0}};
    for (const OpCase& c : cases) {
        Board board;
        board.SetCell(40, c.before, true, BackColour::White);
        board.SetCell(40, c.op, true, BackColour::White);
        EXPECT_EQ(board.Cells[40].Digit, c.after) << c.before << " op '" << c.op << "'";
        EXPECT_EQ(board.Cells[40].Fixed, c.after != 0) << "an empty cell is never Fixed";
    }
}

TEST(SetCell, EmptyingClearsFixedAndPaintsOnlyTheBackground) {
    Board board;
    RecordingPainter painter;
    board.SetPainter(&painter);
    board.SetCell(7, 4, true, BackColour::White);
    board.SetCell(7, 0, true, BackColour::Yellow);
    EXPECT_EQ(board.Cells[7], (CellState{0, false}));
    EXPECT_EQ(board.Background(7), BackColour::Yellow);
    ASSERT_EQ(painter.calls.size(), 2U);
    EXPECT_EQ(painter.calls[1].index, 7);
    EXPECT_EQ(painter.calls[1].cell, (CellState{0, false}));
    EXPECT_EQ(painter.calls[1].back, BackColour::Yellow);
}

TEST(SetCell, SameDigitOtherBackgroundOnlyRecolours) {
    Board board;
    board.SetCell(3, 6, false, BackColour::White);
    board.SetCell(3, 6, false, BackColour::Yellow);
    EXPECT_EQ(board.Cells[3], (CellState{6, false}));
    EXPECT_EQ(board.Background(3), BackColour::Yellow);
}

TEST(SetCell, ChangeLogListsEveryWriteWhileRecording) {
    Board board;
    board.SetCell(5, 1, false, BackColour::White);
    EXPECT_EQ(board.ChangeLog.Text(), "");
    board.RecordChanges = true;
    board.SetCell(12, 1, false, BackColour::White);
    board.SetCell(3, 0, false, BackColour::White);
    board.SetCell(12, 2, false, BackColour::White);
    board.RecordChanges = false;
    board.SetCell(13, 2, false, BackColour::White);
    EXPECT_EQ(board.ChangeLog.Text(), "12,3,12,");
}

TEST(Board, RepaintCellsWhitensEveryCellAndKeepsDigits) {
    Board board = test::BoardFrom(test::kEasyPuzzle);
    board.SetCell(1, 4, false, BackColour::Yellow);
    board.SetCell(2, 0, false, BackColour::Yellow);
    const CellGrid before = board.ReadCells();
    RecordingPainter painter;
    board.SetPainter(&painter);
    board.RepaintCells();
    EXPECT_EQ(board.ReadCells(), before);
    ASSERT_EQ(painter.calls.size(), 81U);
    for (int i = 1; i <= kCellCount; ++i) {
        EXPECT_EQ(board.Background(i), BackColour::White);
        EXPECT_EQ(painter.calls[i - 1].index, i) << "cells are repainted in index order";
    }
}

TEST(Board, WriteCellsTreatsDigitsAboveNineAsEmpty) {
    CellGrid grid{};
    grid[0] = {10, true};
    grid[1] = {3, false};
    grid[2] = {0, true};
    grid[80] = {9, true};
    Board board;
    board.SetCell(2, 1, true, BackColour::Yellow);
    board.WriteCells(grid);
    EXPECT_EQ(board.Cells[1], (CellState{0, false}));
    EXPECT_EQ(board.Cells[2], (CellState{3, false}));
    EXPECT_EQ(board.Cells[3], (CellState{0, false}));
    EXPECT_EQ(board.Cells[81], (CellState{9, true}));
    EXPECT_EQ(board.Background(2), BackColour::White);
}

TEST(BoardText, LinesRoundTripAndRejectBadCharacters) {
    const Board board = test::BoardFrom(test::kEasyPuzzle);
    EXPECT_EQ(BoardToLine(board), test::kEasyPuzzle);
    EXPECT_EQ(GivensToLine(board), test::kEasyPuzzle);
    EXPECT_TRUE(ParseBoardLine(std::string(81, '0')).has_value());
    EXPECT_FALSE(ParseBoardLine(std::string(80, '.')).has_value());
    EXPECT_FALSE(ParseBoardLine(std::string(40, '.') + "x" + std::string(40, '.')).has_value());
    EXPECT_TRUE(ParseBoardLine(std::string(81, '.') + " trailing words").has_value());
}

// Blanks first, 81 cells, then the end or a blank: the 82nd cell or a glued word spoils the
// line, and the column named is the one right after the cells.
TEST(BoardText, OneRuleForAPuzzleLine) {
    const std::string line(test::kEasyPuzzle);
    struct Row {
        std::string text;
        bool puzzle;
        int badColumn;
    };
    const Row rows[] = {
        {" \t " + line, true, 0},       {line + "\tcomment", true, 0}, {line + "5", false, 82},
        {"  " + line + ".", false, 84}, {line + "x", false, 82},       {line.substr(1), false, 0},
    };
    for (const Row& row : rows) {
        const PuzzleLine read = ReadPuzzleLine(row.text);
        EXPECT_EQ(read.grid.has_value(), row.puzzle) << row.text;
        EXPECT_EQ(read.badColumn, row.badColumn) << row.text;
        if (read.grid) {
            EXPECT_EQ(*read.grid, *ParseBoardLine(line)) << row.text;
        }
    }
}

TEST(BoardText, PastedTextHoldsExactlyOneLine) {
    const std::string line(test::kEasyPuzzle);
    struct Row {
        std::string text;
        bool puzzle;
    };
    const Row rows[] = {
        {line, true},
        {" \t\r\n" + line + "\r\n\n ", true},
        {line + "\n" + line, false},
        {line + "\r" + line, false},
        {"# comment\n" + line, false},
        {"", false},
        {" \n\t", false},
        {line.substr(0, 40) + " " + line.substr(40), false},
        {std::string(40, '.') + std::string(1, '\0') + std::string(40, '.'), false},
        {"\xEF\xBB\xBF" + line, true},
        {line + " from a book", true},
        {line + "7", false},
    };
    for (const Row& row : rows) {
        const std::optional<CellGrid> grid = ParsePuzzleText(row.text);
        EXPECT_EQ(grid.has_value(), row.puzzle) << row.text;
        if (grid && row.puzzle) {
            EXPECT_EQ(*grid, *ParseBoardLine(line));
        }
    }
}

}  // namespace
}  // namespace ninefold
