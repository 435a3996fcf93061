// The Candidates table against the rule it stands for, on hand-made and real boards.
#include <gtest/gtest.h>

#include "engine/candidates.h"
#include "tests/engine/fixtures.h"

namespace ninefold {
namespace {

// Independent statement of the rule: d is possible in an empty cell when no cell sharing a
// row, column or box holds it.
bool possible(const Board& board, int cell, int digit) {
    if (board.Cells[cell].Digit != 0) {
        return false;
    }
    const RowCol rc = CellRowCol(cell);
    for (int other = 1; other <= kCellCount; ++other) {
        const RowCol o = CellRowCol(other);
        const bool peer = o.row == rc.row || o.column == rc.column || BoxOf(other) == BoxOf(cell);
        if (peer && board.Cells[other].Digit == digit) {
            return false;
        }
    }
    return true;
}

void expectTableMatchesRule(const Board& board) {
    for (int c = 1; c <= kCellCount; ++c) {
        for (int d = 1; d <= 9; ++d) {
            ASSERT_EQ(board.Candidates(c, d), possible(board, c, d) ? d : 0)
                << "cell " << c << " digit " << d;
        }
    }
}

TEST(Candidates, EmptyAndFullBoards) {
    Board empty;
    ComputeCandidates(empty);
    for (int c = 1; c <= kCellCount; ++c) {
        for (int d = 1; d <= 9; ++d) {
            ASSERT_EQ(empty.Candidates(c, d), d);
        }
    }
    Board full = test::BoardFrom(test::kSolvedGrid);
    ComputeCandidates(full);
    for (int c = 1; c <= kCellCount; ++c) {
        ASSERT_EQ(full.Candidates.Mask(c), 0);
    }
}

TEST(Candidates, OneDigitExcludesItsRowColumnAndBox) {
    Board board;
    board.SetCell(1, 5, true, BackColour::White);
    ComputeCandidates(board);
    for (int c : {2, 9, 10, 19, 73, 11, 12, 20, 21}) {
        EXPECT_EQ(board.Candidates(c, 5), 0) << c;
        EXPECT_EQ(board.Candidates(c, 4), 4) << c;
    }
    EXPECT_EQ(board.Candidates.Mask(1), 0);
    EXPECT_EQ(board.Candidates.Mask(81), kAllDigits);
    EXPECT_EQ(board.Candidates(13, 5), 5);
}

TEST(Candidates, MatchRuleOnPuzzlesDeadCellsAndClashes) {
    const std::string_view boards[] = {
        test::kEasyPuzzle,
        // cell 1 is dead: row 1 holds 1–4, column 1 holds 5–8 and box 1 holds 9
        ".1234....5.9...............6..........................7.................8........",
        // two 3s in row 1
        "3.......3........................................................................",
    };
    for (std::string_view line : boards) {
        Board board = test::BoardFrom(line);
        ComputeCandidates(board);
        expectTableMatchesRule(board);
    }
}

TEST(Candidates, ResetMakesEveryDigitPossibleEvenInFilledCells) {
    Board board = test::BoardFrom(test::kSolvedGrid);
    ComputeCandidates(board);
    ResetCandidates(board);
    EXPECT_EQ(board.Candidates(1, 1), 1);
    EXPECT_EQ(board.Candidates.Mask(81), kAllDigits);
}

}  // namespace
}  // namespace ninefold
