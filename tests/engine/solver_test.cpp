// The Solve command and its search: outcomes and messages, the grid the empty board gets,
// the exact backing-up, and where the host is called.
#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

#include "engine/board_text.h"
#include "engine/candidates.h"
#include "engine/conflicts.h"
#include "engine/deduction.h"
#include "engine/solver.h"
#include "tests/engine/fixtures.h"
#include "tests/engine/grid_facts.h"
#include "tests/engine/unmended_search.h"

namespace ninefold {
namespace {

// Records what the search told it; can ask to stop at a given pump.
class RecordingHost : public SearchHost {
  public:
    explicit RecordingHost(Board* board = nullptr, uint64_t stopAtPump = 0)
        : board_(board), stopAtPump_(stopAtPump) {}

    void SearchRefused(PreSearchVerdict verdict) override {
        events.push_back(std::string("refused:") + PreSearchMessage(verdict));
    }
    void SearchStarting() override { events.push_back("starting"); }
    bool PumpEvents() override {
        ++pumps;
        if (board_ != nullptr) {
            boardsAtPump.push_back(BoardToLine(*board_));
            logsAtPump.push_back(board_->ChangeLog.Text());
            recordingAtPump.push_back(board_->RecordChanges);
        }
        return stopAtPump_ != 0 && pumps == stopAtPump_;
    }
    void SearchEnded() override { events.push_back("ended"); }

    std::vector<std::string> events;
    uint64_t pumps = 0;
    std::vector<std::string> boardsAtPump;
    std::vector<std::string> logsAtPump;
    std::vector<bool> recordingAtPump;

  private:
    Board* board_;
    uint64_t stopAtPump_;
};

// Puzzles with one solution on which the search that keeps earlier propagations on the
// board runs dry.
constexpr std::string_view kUnmendedFailures[] = {
    ".721....8.1...3.4.4..........7......8..5..7.1..1...26...6.78.......6.....5.2....7",
    "......91...8.....713...............95.3.81.....73.....3.25.7.91.7.....32.5...67..",
    "3.......6.9........85..621.....5...16..29..45.1....3.....4.....42.....5.1.....6..",
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......",
};

TEST(Solve, EmptyBoardGetsTheSmallestGrid) {
    const std::string expected = std::string("123456789") + "456789123" + "789123456" +
                                 "214365897" + "365897214" + "897214365" + "531642978" +
                                 "642978531" + "978531642";
    Board board;
    RecordingHost host;
    const SolveResult result = SolveCommand(board, host);
    EXPECT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(result.searched);
    EXPECT_EQ(result.search.end, SearchEnd::Completed);
    EXPECT_EQ(BoardToLine(board), expected);
    EXPECT_EQ(GivensToLine(board), std::string(81, '.')) << "the program's digits are not Fixed";
    for (int i = 1; i <= kCellCount; ++i) {
        ASSERT_EQ(board.Background(i), BackColour::White) << "repainted before the message";
    }
    EXPECT_EQ(host.pumps, result.search.triedDigits);
}

TEST(Solve, OutcomesAndWhetherTheSearchRan) {
    struct Case {
        std::string_view puzzle;
        SolveOutcome outcome;
        bool searched;
        SearchEnd end;
        std::vector<std::string> events;
    };
    const std::string twoFivesInRow1 = "5...5" + std::string(76, '.');
    // Row 1 holds 1–8 and column 9 holds a 9 further down: cell 9 has no candidate.
    const std::string deadCell9 =
        "12345678." + std::string(9, '.') + "........9" + std::string(54, '.');
    const Case cases[] = {
        {test::kSolvedGrid, SolveOutcome::Solved, false, SearchEnd::Refused, {}},
        {test::kEasyPuzzle, SolveOutcome::Solved, false, SearchEnd::Refused, {}},
        {twoFivesInRow1,
         SolveOutcome::NoSolution,
         true,
         SearchEnd::Refused,
         {"refused:Please check entries."}},
        {deadCell9,
         SolveOutcome::NoSolution,
         true,
         SearchEnd::Refused,
         {"refused:Please check logicality."}},
        {kUnmendedFailures[0],
         SolveOutcome::Solved,
         true,
         SearchEnd::Completed,
         {"starting", "ended"}},
    };
    for (const Case& c : cases) {
        Board board = test::BoardFrom(c.puzzle);
        RecordingHost host;
        const SolveResult result = SolveCommand(board, host);
        EXPECT_EQ(result.outcome, c.outcome) << c.puzzle;
        EXPECT_EQ(result.searched, c.searched) << c.puzzle;
        EXPECT_EQ(result.search.end, c.end) << c.puzzle;
        EXPECT_EQ(host.events, c.events) << c.puzzle;
    }
}

TEST(Solve, ClashIsMarkedAndNothingIsGuessed) {
    Board board = test::BoardFrom("5...5" + std::string(76, '.'));
    RecordingHost host;
    const SolveResult result = SolveCommand(board, host);
    EXPECT_EQ(result.search.verdict, PreSearchVerdict::Clash);
    EXPECT_EQ(host.pumps, 0U);
    EXPECT_EQ(BoardToLine(board), "5...5" + std::string(76, '.'));
    EXPECT_EQ(board.Background(1), BackColour::Yellow);
    EXPECT_EQ(board.Background(5), BackColour::Yellow);
    EXPECT_EQ(board.Background(2), BackColour::White);
}

TEST(Solve, ClashOutranksADeadCellAndOnlyItsCellsAreMarked) {
    // Cells 10 and 14 hold two 9s; cell 81 is dead (row 9 holds 1-8, column 9 a 9).
    Board board = test::BoardFrom(
        "........9"
        "9...9...." +
        std::string(54, '.') + "12345678.");
    EXPECT_EQ(PreSearchCheck(board), PreSearchVerdict::Clash);
    for (int i = 1; i <= kCellCount; ++i) {
        const bool clash = i == 10 || i == 14;
        EXPECT_EQ(board.Background(i), clash ? BackColour::Yellow : BackColour::White) << i;
    }
}

TEST(Solve, MarksLeftByAnEarlierCheckAreWhitenedWhenSolved) {
    for (const std::string_view puzzle : {test::kEasyPuzzle, kUnmendedFailures[0]}) {
        Board board = test::BoardFrom(puzzle);
        for (int i = 1; i <= kCellCount; ++i) {
            if (board.Cells[i].Digit != 0) {
                board.SetCell(i, board.Cells[i].Digit, true, BackColour::Yellow);
            }
        }
        ASSERT_EQ(SolveCommand(board).outcome, SolveOutcome::Solved) << puzzle;
        for (int i = 1; i <= kCellCount; ++i) {
            ASSERT_EQ(board.Background(i), BackColour::White) << puzzle << " cell " << i;
        }
    }
}

TEST(Solve, SolvedBoardIsRefusedBySearchAlone) {
    Board board = test::BoardFrom(test::kSolvedGrid);
    RecordingHost host;
    const SearchResult result = SearchSolution(board, host);
    EXPECT_EQ(result.end, SearchEnd::Refused);
    EXPECT_EQ(result.verdict, PreSearchVerdict::AlreadySolved);
    EXPECT_EQ(host.events, std::vector<std::string>{"refused:This puzzle is solved."});
}

TEST(Solve, MessageTexts) {
    EXPECT_EQ(PreSearchMessage(PreSearchVerdict::AlreadySolved), "This puzzle is solved.");
    EXPECT_EQ(PreSearchMessage(PreSearchVerdict::Clash), "Please check entries.");
    EXPECT_EQ(PreSearchMessage(PreSearchVerdict::DeadCell), "Please check logicality.");
    EXPECT_EQ(SolveMessage(SolveOutcome::Solved), "Puzzle solved.");
    EXPECT_EQ(SolveMessage(SolveOutcome::NoSolution), "This puzzle hasn't any solution!");
}

TEST(Search, FindsSolutionsWhereKeepingOldPropagationsFails) {
    for (std::string_view puzzle : kUnmendedFailures) {
        Board unmended = test::BoardFrom(puzzle);
        FillForcedCells(unmended);
        EXPECT_FALSE(test::UnmendedSearchSolves(unmended)) << puzzle;

        Board board = test::BoardFrom(puzzle);
        const SolveResult result = SolveCommand(board);
        EXPECT_EQ(result.outcome, SolveOutcome::Solved) << puzzle;
        const std::string grid = BoardToLine(board);
        EXPECT_TRUE(test::IsValidSolution(grid)) << grid;
        EXPECT_TRUE(test::KeepsGivens(puzzle, grid)) << grid;
        EXPECT_EQ(GivensToLine(board), puzzle) << "Fixed flags stay on the givens only";
    }
}

TEST(Search, HardPuzzlesEndValid) {
    const std::string_view puzzles[] = {
        // Hard for a search that takes the lowest cell first.
        "..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9",
        "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..",
        ".......12........3..23..4....18....5.6..7.8.......9.....85.....9...4.5..47...6...",
    };
    for (std::string_view puzzle : puzzles) {
        Board board = test::BoardFrom(puzzle);
        EXPECT_EQ(SolveCommand(board).outcome, SolveOutcome::Solved) << puzzle;
        EXPECT_TRUE(test::IsValidSolution(BoardToLine(board))) << puzzle;
        EXPECT_TRUE(test::KeepsGivens(puzzle, BoardToLine(board))) << puzzle;
    }
}

TEST(Search, ExhaustedSearchLeavesTheBoardAsItFoundIt) {
    // A hard puzzle with one wrong given: no clash, no dead cell, no solution.
    const std::string puzzle =
        "4.....8.5.3......1...7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
    Board board = test::BoardFrom(puzzle);
    FillForcedCells(board);
    const std::string before = BoardToLine(board);
    RecordingHost host;
    const SearchResult result = SearchSolution(board, host);
    EXPECT_EQ(result.end, SearchEnd::Exhausted);
    EXPECT_EQ(BoardToLine(board), before);
    EXPECT_EQ(host.events, (std::vector<std::string>{"starting", "ended"}));
}

TEST(Search, PumpsOncePerTriedDigitRightAfterItsPropagation) {
    const std::string_view puzzle = kUnmendedFailures[1];
    Board board = test::BoardFrom(puzzle);
    FillForcedCells(board);
    const Board start = board;
    RecordingHost host(&board);
    // Every digit tried, so the first one tried is the lowest candidate.
    const SearchResult result = SearchSolution(board, host, Pruning::None);
    ASSERT_EQ(result.end, SearchEnd::Completed);
    ASSERT_EQ(host.pumps, result.triedDigits);
    ASSERT_GE(host.pumps, 2U);
    for (bool recording : host.recordingAtPump) {
        EXPECT_FALSE(recording) << "recording ends before the pump";
    }
    // The first pump sees the lowest empty cell with its lowest candidate and exactly the
    // cells that digit forced.
    Board expected = start;
    ComputeCandidates(expected);
    int cell = 1;
    while (expected.Candidates.Mask(cell) == 0) {
        ++cell;
    }
    const int digit = std::countr_zero(expected.Candidates.Mask(cell));
    expected.SetCell(cell, digit, false, BackColour::White);
    expected.RecordChanges = true;
    FillForcedCells(expected);
    EXPECT_EQ(host.boardsAtPump[0], BoardToLine(expected));
    EXPECT_EQ(host.logsAtPump[0], expected.ChangeLog.Text());
}

TEST(Search, NextOptionIsTriedOnTheBoardAsItStoodBeforeTheFirst) {
    // Whenever the first level's cell changes its digit, everything else on the board must
    // be back to how the search found it, plus only what the new digit forces.
    const std::string_view puzzle = kUnmendedFailures[0];
    Board board = test::BoardFrom(puzzle);
    FillForcedCells(board);
    const Board start = board;
    RecordingHost host(&board);
    // Every digit tried, so the first guess fails before the right one comes.
    SearchSolution(board, host, Pruning::None);

    int firstCell = 1;
    while (start.Cells[firstCell].Digit != 0) {
        ++firstCell;
    }
    char lastDigit = host.boardsAtPump[0][firstCell - 1];
    int checked = 0;
    for (const std::string& seen : host.boardsAtPump) {
        if (seen[firstCell - 1] == lastDigit) {
            continue;
        }
        lastDigit = seen[firstCell - 1];
        Board expected = start;
        expected.SetCell(firstCell, lastDigit - '0', false, BackColour::White);
        FillForcedCells(expected);
        EXPECT_EQ(seen, BoardToLine(expected)) << "option " << lastDigit;
        ++checked;
    }
    EXPECT_GE(checked, 1) << "the first guess should have failed at least once";
}

TEST(Search, HostCanStopTheSearchAfterAnyTriedDigit) {
    const std::string_view puzzle = kUnmendedFailures[3];
    Board board = test::BoardFrom(puzzle);
    RecordingHost host(&board, 3);
    const SolveResult result = SolveCommand(board, host);
    EXPECT_EQ(result.search.end, SearchEnd::Cancelled);
    EXPECT_EQ(result.search.triedDigits, 3U);
    EXPECT_EQ(result.outcome, SolveOutcome::NoSolution);
    EXPECT_EQ(host.events, (std::vector<std::string>{"starting", "ended"}));
    EXPECT_EQ(BoardToLine(board), host.boardsAtPump.back())
        << "the last guess and its propagation stay";
}

TEST(Search, WithoutAHostRunsToTheEnd) {
    Board board = test::BoardFrom(kUnmendedFailures[2]);
    EXPECT_EQ(SolveCommand(board).outcome, SolveOutcome::Solved);
}

}  // namespace
}  // namespace ninefold
