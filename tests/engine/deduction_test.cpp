// Forced cells and dead cells: results, and the exact order in which cells are written,
// compared with a plain table-and-loops statement of the passes.
#include <gtest/gtest.h>

#include <string>

#include "engine/board_text.h"
#include "engine/candidates.h"
#include "engine/deduction.h"
#include "tests/engine/fixtures.h"

namespace ninefold {
namespace {

// The passes written the slow, literal way: a 81 x 9 byte table, counts and last cells per
// unit. Returns the sequence of written cells as the change log would show it.
class LiteralDeduction {
  public:
    explicit LiteralDeduction(const CellGrid& grid) {
        for (int i = 0; i < kCellCount; ++i) {
            digit_[i + 1] = grid[i].Digit;
        }
    }

    std::string FillForcedCells() {
        bool placed = true;
        while (placed) {
            compute();
            placed = hidden(0);
            compute();
            placed = hidden(1) || placed;
            compute();
            placed = hidden(2) || placed;
            compute();
            placed = naked() || placed;
        }
        return log_;
    }

  private:
    void compute() {
        for (int c = 1; c <= 81; ++c) {
            for (int d = 1; d <= 9; ++d) {
                table_[c][d] = digit_[c] == 0 ? d : 0;
            }
        }
        for (int c = 1; c <= 81; ++c) {
            if (digit_[c] == 0) {
                continue;
            }
            for (int other = 1; other <= 81; ++other) {
                if (CellRowCol(other).row == CellRowCol(c).row ||
                    CellRowCol(other).column == CellRowCol(c).column || BoxOf(other) == BoxOf(c)) {
                    table_[other][digit_[c]] = 0;
                }
            }
        }
    }
    int cellOf(int kind, int unit, int k) const {
        if (kind == 0)
            return CellIndex(unit, k);
        if (kind == 1)
            return CellIndex(k, unit);
        return BoxCells(unit, k);
    }
    bool hidden(int kind) {
        bool placed = false;
        for (int u = 1; u <= 9; ++u) {
            int count[10] = {};
            int last[10] = {};
            for (int k = 1; k <= 9; ++k) {
                const int c = cellOf(kind, u, k);
                for (int d = 1; d <= 9; ++d) {
                    if (table_[c][d] != 0) {
                        ++count[d];
                        last[d] = c;
                    }
                }
            }
            for (int d = 1; d <= 9; ++d) {
                if (count[d] == 1) {
                    write(last[d], d);
                    placed = true;
                }
            }
        }
        return placed;
    }
    bool naked() {
        bool placed = false;
        for (int c = 1; c <= 81; ++c) {
            if (digit_[c] != 0)
                continue;
            int zeros = 0, value = 0;
            for (int d = 1; d <= 9; ++d) {
                if (table_[c][d] == 0)
                    ++zeros;
                else
                    value = table_[c][d];
            }
            if (zeros == 8) {
                write(c, value);
                placed = true;
            }
        }
        return placed;
    }
    void write(int c, int d) {
        digit_[c] = d;
        log_ += std::to_string(c) + ",";
    }

    int digit_[82] = {};
    int table_[82][10] = {};
    std::string log_;
};

std::string recordedFill(Board& board) {
    board.RecordChanges = true;
    FillForcedCells(board);
    board.RecordChanges = false;
    return board.ChangeLog.Text();
}

TEST(Deduction, WritesCellsInTheOrderOfTheLiteralPasses) {
    const std::string_view puzzles[] = {
        test::kEasyPuzzle,
        ".2..1....1..4..92.9.4.7.....37..2..1....4.....6.9...8....3.6...3428....7..6...8..",
        ".7.3..5..1....496....1..4....5.7......9.5.34.64...2.1.......1..95......2........3",
        ".................1.....2.3......3.2...1.4......5....6..3......4.7..8...962...7...",
        "8.........95.......76.........426798...571243...893165......916....3.487....1.532",
        "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......",
        // contradictory: two 5s in row 1
        "5.......5.2..4...........3..7.....1.....6..........8....9.......1.....4.........2",
    };
    for (std::string_view line : puzzles) {
        Board board = test::BoardFrom(line);
        const std::string expected = LiteralDeduction(board.ReadCells()).FillForcedCells();
        EXPECT_EQ(recordedFill(board), expected) << line;
    }
}

TEST(Deduction, EasyPuzzleIsCompletedWithProgramDigitsOnWhite) {
    Board board = test::BoardFrom(test::kEasyPuzzle);
    board.SetCell(1, 0, false, BackColour::Yellow);
    FillForcedCells(board);
    EXPECT_EQ(BoardToLine(board), test::kEasySolution);
    EXPECT_EQ(GivensToLine(board), test::kEasyPuzzle);
    for (int i = 1; i <= kCellCount; ++i) {
        if (test::kEasyPuzzle[i - 1] == '.') {
            EXPECT_EQ(board.Background(i), BackColour::White) << i;
        }
    }
}

TEST(Deduction, EmptyAndFullBoardsPlaceNothing) {
    const std::string empty(81, '.');
    for (std::string_view line : {std::string_view(empty), test::kSolvedGrid}) {
        Board board = test::BoardFrom(line);
        EXPECT_EQ(recordedFill(board), "");
        EXPECT_EQ(BoardToLine(board), line);
    }
}

TEST(Deduction, RowWithOneGapGetsItsDigitFromTheRowPass) {
    Board board = test::BoardFrom("123456.89" + std::string(72, '.'));
    ComputeCandidates(board);
    EXPECT_TRUE(FillHiddenSinglesByRow(board));
    EXPECT_EQ(board.Cells[7], (CellState{7, false}));
}

TEST(Deduction, TwoDigitsForcedIntoOneCellLeaveTheHigher) {
    // Row 1 misses 3 and 8; 3 and 8 elsewhere in the columns of cells 1 and 2 make cell 1
    // the only place of both in the row.
    Board board = test::BoardFrom("..1245679" + std::string(27, '.') + ".3......." + ".8......." +
                                  std::string(27, '.'));
    ComputeCandidates(board);
    board.RecordChanges = true;
    EXPECT_TRUE(FillHiddenSinglesByRow(board));
    EXPECT_EQ(board.Cells[1].Digit, 8);
    EXPECT_EQ(board.ChangeLog.Text().substr(0, 4), "1,1,");
}

TEST(Deduction, DeadCellIsMarkedNotFilled) {
    Board board = test::BoardFrom(
        ".1234....5.9...............6..........................7.................8........");
    FillForcedCells(board);
    EXPECT_EQ(board.Cells[1].Digit, 0);
    EXPECT_EQ(board.Background(1), BackColour::White);
    EXPECT_GE(MarkDeadCells(board), 1);
    EXPECT_EQ(board.Cells[1], (CellState{0, false}));
    EXPECT_EQ(board.Background(1), BackColour::Yellow);
    // marking never whitens: a second call finds and paints the same cell again
    const int again = MarkDeadCells(board);
    EXPECT_GE(again, 1);
    EXPECT_EQ(board.Background(1), BackColour::Yellow);
}

TEST(Deduction, MarkDeadCellsCountsEveryDeadCell) {
    Board board = test::BoardFrom(test::kSolvedGrid);
    board.SetCell(1, 0, true, BackColour::White);
    EXPECT_EQ(MarkDeadCells(board), 0) << "a gap in a full grid has its one candidate";
    board.SetCell(2, 1, true, BackColour::White);  // now 1 clashes and cell 1 has no digit left
    EXPECT_EQ(MarkDeadCells(board), 1);

    // The last cell alone: row 9 holds 1-8 and column 9 a 9.
    board = test::BoardFrom("........9" + std::string(63, '.') + "12345678.");
    EXPECT_EQ(MarkDeadCells(board), 1);
    EXPECT_EQ(board.Background(kCellCount), BackColour::Yellow);
}

}  // namespace
}  // namespace ninefold
