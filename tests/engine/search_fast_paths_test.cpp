// The search's shortcuts (the table put back from the level it backs up to, the duplicate
// check that looks only at the cells a try wrote) against the same search done the plain
// way: a fresh table for every fill and check, and the whole board scanned for repeats.
// Every cell write must match, in order, with its digit, flag, background and whether the
// change log was recording.
#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

#include "engine/board_text.h"
#include "engine/conflicts.h"
#include "engine/deduction.h"
#include "engine/solver.h"
#include "tests/engine/fixtures.h"

namespace ninefold {
namespace {

struct Write {
    int index;
    CellState cell;
    BackColour back;
    bool recording;
    bool operator==(const Write&) const = default;
};

class WriteLog : public CellPainter {
  public:
    explicit WriteLog(const Board& board) : board_(board) {}
    void PaintCell(int index, const CellState& cell, BackColour back) override {
        writes.push_back({index, cell, back, board_.RecordChanges});
    }
    std::vector<Write> writes;

  private:
    const Board& board_;
};

// Notes the board at every pump, so a pump in the wrong place shows.
class PumpLog : public SearchHost {
  public:
    explicit PumpLog(const Board& board) : board_(board) {}
    bool PumpEvents() override {
        boards.push_back(BoardToLine(board_) + " " + board_.ChangeLog.Text());
        return false;
    }
    std::vector<std::string> boards;

  private:
    const Board& board_;
};

// The search step by step with whole-board operations only.
SearchEnd plainSearch(Board& board, SearchHost& host, uint64_t& tried) {
    struct Level {
        int cell;
        uint16_t options;
        size_t trailStart;
    };
    std::vector<Level> levels;
    std::vector<int> trail;
    const auto undo = [&](size_t from) {
        for (size_t i = from; i < trail.size(); ++i) {
            board.SetCell(trail[i], 0, false, BackColour::White);
        }
        trail.resize(from);
        board.ChangeLog.Clear();
    };
    for (;;) {
        int cell = 0;
        for (int c = 1; c <= kCellCount && cell == 0; ++c) {
            cell = board.Candidates.Mask(c) != 0 ? c : 0;
        }
        if (cell == 0) {
            return SearchEnd::Completed;
        }
        levels.push_back({cell, board.Candidates.Mask(cell), trail.size()});
        bool contradiction = true;
        while (contradiction) {
            ++tried;
            Level& level = levels.back();
            const int digit = std::countr_zero(level.options);
            board.SetCell(level.cell, digit, false, BackColour::White);
            board.RecordChanges = true;
            board.ChangeLog.Clear();
            FillForcedCells(board);
            board.RecordChanges = false;
            for (uint8_t written : board.ChangeLog.Cells()) {
                trail.push_back(written);
            }
            if (host.PumpEvents()) {
                return SearchEnd::Cancelled;
            }
            level.options &= static_cast<uint16_t>(~(1U << digit));
            const int dead = MarkDeadCells(board);
            const int duplicates = MarkDuplicates(board);
            contradiction = dead > 0 || duplicates > 0;
            if (!contradiction) {
                break;
            }
            while (levels.back().options == 0) {
                undo(levels.back().trailStart);
                board.SetCell(levels.back().cell, 0, false, BackColour::White);
                levels.pop_back();
                if (levels.empty()) {
                    return SearchEnd::Exhausted;
                }
            }
            undo(levels.back().trailStart);
        }
    }
}

struct SearchRun {
    std::vector<Write> writes;
    std::vector<std::string> pumps;
    SearchEnd end;
    uint64_t tried = 0;
    std::string finalBoard;
    std::vector<uint16_t> table;
    std::vector<BackColour> backs;
};

SearchRun record(const Board& start, bool plain) {
    Board board = start;
    WriteLog writes(board);
    PumpLog host(board);
    board.SetPainter(&writes);
    SearchRun run;
    if (plain) {
        EXPECT_EQ(PreSearchCheck(board), PreSearchVerdict::Proceed) << "a search must run";
        run.end = plainSearch(board, host, run.tried);
    } else {
        // Every digit tried, as the plain search does: the shortcuts are what differs.
        const SearchResult result = SearchSolution(board, host, Pruning::None);
        run.end = result.end;
        run.tried = result.triedDigits;
    }
    run.writes = writes.writes;
    run.pumps = host.boards;
    run.finalBoard = BoardToLine(board) + " " + board.ChangeLog.Text();
    for (int c = 1; c <= kCellCount; ++c) {
        run.table.push_back(board.Candidates.Mask(c));
        run.backs.push_back(board.Background(c));
    }
    return run;
}

void expectSameRuns(const Board& start, const std::string& label) {
    const SearchRun plain = record(start, true);
    const SearchRun fast = record(start, false);
    ASSERT_EQ(fast.writes.size(), plain.writes.size()) << label;
    for (size_t i = 0; i < plain.writes.size(); ++i) {
        ASSERT_EQ(fast.writes[i], plain.writes[i]) << label << " write " << i;
    }
    EXPECT_EQ(fast.pumps, plain.pumps) << label;
    EXPECT_EQ(fast.end, plain.end) << label;
    EXPECT_EQ(fast.tried, plain.tried) << label;
    EXPECT_EQ(fast.finalBoard, plain.finalBoard) << label;
    EXPECT_EQ(fast.table, plain.table) << label;
    EXPECT_EQ(fast.backs, plain.backs) << label;
}

TEST(SearchShortcuts, SameWritesAsThePlainSearch) {
    // Hard puzzles with many contradictions of both kinds, one that has no solution (a wrong
    // given), and one the search starts on without the forced cells filled first.
    struct Case {
        std::string_view puzzle;
        bool fillFirst;
    };
    const Case cases[] = {
        {".721....8.1...3.4.4..........7......8..5..7.1..1...26...6.78.......6.....5.2....7", true},
        {"....14....3....2...7..........9...3.6.1.............8.2.....1.4....5.6.....7.8...", true},
        {"6.2.5.........3.4..........43...8....1....2........7..5..27...........81...6.....", true},
        {".......12........3..23..4....18....5.6..7.8.......9.....85.....9...4.5..47...6...", true},
        {"4.....895.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......", true},
        {"4.....8.5.3...1......7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......", true},
        {".6.5.1.9.1...9..539....7....4.8...7.......5.8.817.5.3.....5.2............76..8...",
         false},
        {"", true},  // the empty board
    };
    for (const Case& c : cases) {
        Board board = c.puzzle.empty() ? Board{} : test::BoardFrom(c.puzzle);
        if (c.fillFirst) {
            FillForcedCells(board);
        }
        expectSameRuns(board, std::string(c.puzzle));
    }
}

TEST(SearchShortcuts, RepeatsAlreadyYellowWhenTheSearchStarts) {
    // A 1 twice in row 1, marked before the search: the check before it counts no new yellow
    // cell, so the search runs on a board that holds a repeat from the start, and every later
    // check must still mark it. One board the search completes all the same, one it exhausts.
    for (std::string_view puzzle :
         {"....14.1..3....2...7..........9...3.6.1.............8.2.....1.4....5.6.....7.8...",
          "1...14....3....2...7..........9...3.6.1.............8.2.....1.4....5.6.....7.8..."}) {
        Board board = test::BoardFrom(puzzle);
        FillForcedCells(board);
        ASSERT_GT(MarkDuplicates(board), 0);
        expectSameRuns(board, std::string(puzzle));
        EXPECT_NE(SearchSolution(board).end, SearchEnd::Refused) << puzzle;
    }
}

TEST(SearchShortcuts, CancelKeepsTheSameBoard) {
    // Stopping at a pump deep in the search: the board and the log as the plain search has
    // them at that pump.
    const Board start = [] {
        Board board = test::BoardFrom(
            ".......12........3..23..4....18....5.6..7.8.......9.....85.....9...4.5..47...6...");
        FillForcedCells(board);
        return board;
    }();
    const SearchRun plain = record(start, true);
    ASSERT_GT(plain.pumps.size(), 40U);
    struct StopAt : SearchHost {
        const Board* board;
        size_t stopAt;
        size_t pumps = 0;
        std::string seen;
        bool PumpEvents() override {
            if (++pumps < stopAt) {
                return false;
            }
            seen = BoardToLine(*board) + " " + board->ChangeLog.Text();
            return true;
        }
    };
    for (size_t stop : {size_t{1}, size_t{17}, plain.pumps.size() / 2, plain.pumps.size()}) {
        Board board = start;
        StopAt host;
        host.board = &board;
        host.stopAt = stop;
        EXPECT_EQ(SearchSolution(board, host, Pruning::None).end, SearchEnd::Cancelled);
        EXPECT_EQ(host.seen, plain.pumps[stop - 1]) << stop;
    }
}

}  // namespace
}  // namespace ninefold
