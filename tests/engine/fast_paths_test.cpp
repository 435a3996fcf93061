// The shortcuts the forced-cell fill takes (unit tallies read four cells at a time, the
// table updated from the written cells, passes skipped on an unchanged table, the table the
// search already holds) against the plain statement: count per unit, recompute before every
// pass.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/board_text.h"
#include "engine/candidates.h"
#include "engine/deduction.h"
#include "engine/solver.h"
#include "engine/unit_tally.h"
#include "tests/engine/fixtures.h"

namespace ninefold {
namespace {

DigitTally countUnit(const std::array<uint16_t, kCellCount + 1>& sets, const Unit& unit) {
    DigitTally tally;
    for (int d = 1; d <= 9; ++d) {
        int n = 0;
        for (uint8_t cell : unit) {
            n += (sets[cell] >> d) & 1;
        }
        tally.once |= static_cast<uint16_t>(n >= 1 ? 1U << d : 0);
        tally.twice |= static_cast<uint16_t>(n >= 2 ? 1U << d : 0);
    }
    return tally;
}

TEST(UnitTally, MatchesCountingOnRandomTables) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::array<uint16_t, kCellCount + 1> sets{};
        const unsigned density = round % 4;  // from sparse tables to full ones
        for (int c = 1; c <= kCellCount; ++c) {
            uint16_t mask = 0;
            for (int d = 1; d <= 9; ++d) {
                mask |= static_cast<uint16_t>(random() % 4 < density ? 1U << d : 0);
            }
            sets[c] = mask;
        }
        const UnitTallies kinds[] = {RowTallies(sets.data()), ColumnTallies(sets.data()),
                                     BoxTallies(sets.data())};
        for (int kind = 0; kind < 3; ++kind) {
            for (int u = 0; u < 9; ++u) {
                const DigitTally expected = countUnit(sets, AllUnits()[9 * kind + u]);
                ASSERT_EQ(kinds[kind][u].once, expected.once) << kind << " " << u;
                ASSERT_EQ(kinds[kind][u].twice, expected.twice) << kind << " " << u;
            }
        }
    }
}

// The cycle as first described: a fresh table before each of the four passes.
std::string recomputingFill(Board& board) {
    board.RecordChanges = true;
    board.ChangeLog.Clear();
    bool placed = true;
    while (placed) {
        ComputeCandidates(board);
        placed = FillHiddenSinglesByRow(board);
        ComputeCandidates(board);
        placed = FillHiddenSinglesByColumn(board) || placed;
        ComputeCandidates(board);
        placed = FillHiddenSinglesByBox(board) || placed;
        ComputeCandidates(board);
        placed = FillNakedSingles(board) || placed;
    }
    board.RecordChanges = false;
    return board.ChangeLog.Text();
}

TEST(ForcedCells, SameWritesAsRecomputingBeforeEveryPass) {
    // Boards met along real searches: every guess with the board it was made on, so each
    // tried digit's propagation is checked, contradictory ones included.
    const std::string_view puzzles[] = {
        ".721....8.1...3.4.4..........7......8..5..7.1..1...26...6.78.......6.....5.2....7",
        "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......",
        "..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9",
    };
    int compared = 0;
    for (std::string_view puzzle : puzzles) {
        Board board = test::BoardFrom(puzzle);
        // A painter sees each guess: the written cell on a board that is empty there.
        struct GuessWatch : CellPainter {
            Board* board;
            std::vector<std::pair<Board, std::pair<int, int>>> guesses;
            void PaintCell(int index, const CellState& cell, BackColour back) override {
                if (!board->RecordChanges && cell.Digit != 0 && !cell.Fixed &&
                    back == BackColour::White && guesses.size() < 400) {
                    Board before = *board;
                    before.SetPainter(nullptr);
                    before.Cells[index] = {};
                    guesses.push_back({before, {index, cell.Digit}});
                }
            }
        } watch;
        watch.board = &board;
        board.SetPainter(&watch);
        SolveCommand(board);
        for (auto& [before, guess] : watch.guesses) {
            Board literal = before;
            Board fast = before;
            literal.SetCell(guess.first, guess.second, false, BackColour::White);
            fast.SetCell(guess.first, guess.second, false, BackColour::White);
            const std::string expected = recomputingFill(literal);
            fast.RecordChanges = true;
            fast.ChangeLog.Clear();
            FillForcedCells(fast);
            ASSERT_EQ(fast.ChangeLog.Text(), expected) << puzzle;
            ASSERT_EQ(fast.ReadCells(), literal.ReadCells());

            // The search's form: the table exact before the guess, updated from it alone.
            Board after = before;
            ComputeCandidates(after);
            after.SetCell(guess.first, guess.second, false, BackColour::White);
            after.RecordChanges = true;
            after.ChangeLog.Clear();
            FillForcedCellsAfter(after, guess.first);
            ASSERT_EQ(after.ChangeLog.Text(), expected) << puzzle;
            for (int c = 1; c <= kCellCount; ++c) {
                ASSERT_EQ(fast.Candidates.Mask(c), literal.Candidates.Mask(c)) << c;
                ASSERT_EQ(after.Candidates.Mask(c), literal.Candidates.Mask(c)) << c;
            }
            Board marked = literal;
            ASSERT_EQ(MarkDeadCellsOnExactTable(after), MarkDeadCells(marked));
            for (int c = 1; c <= kCellCount; ++c) {
                ASSERT_EQ(after.Background(c), marked.Background(c)) << c;
            }
            ++compared;
        }
    }
    EXPECT_GT(compared, 50);
}

}  // namespace
}  // namespace ninefold
