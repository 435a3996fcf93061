// The depth-first search behind Solve: choose the lowest-numbered empty cell, try its digits
// ascending with forced cells filled after each, check, and back up on a contradiction.
#include "engine/solver.h"

#include <array>
#include <bit>
#include <vector>

#include "engine/conflicts.h"
#include "engine/deduction.h"

namespace ninefold {

namespace {

// One standing guess. The cells its current try's propagation filled sit in the trail
// between trailStart and the next level's trailStart (or the trail's end for the top level),
// so the level can be put back exactly as the board stood before its first guess.
struct Level {
    uint8_t cell = 0;
    uint16_t options = 0;  // digits not yet tried, bit d for digit d
    uint32_t trailStart = 0;
};

class Search {
  public:
    // Starts on the board PreSearchCheck accepted, with the table its dead-cell check left.
    Search(Board& board, SearchHost& host) : board_(board), host_(host) {
        trail_.reserve(4 * kCellCount);
    }

    SearchResult Run() {
        SearchResult result;
        result.end = runLevels(result.triedDigits);
        return result;
    }

  private:
    SearchEnd runLevels(uint64_t& tried) {
        for (;;) {
            if (!choose()) {
                return SearchEnd::Completed;
            }
            bool contradiction = true;
            while (contradiction) {
                ++tried;
                if (!tryNextOption()) {
                    return SearchEnd::Cancelled;
                }
                contradiction = check();
                if (contradiction && !backUp()) {
                    return SearchEnd::Exhausted;
                }
            }
        }
    }

    // Opens a level on the lowest-numbered cell that still has a candidate; false when
    // there is none, which after a clean check means every cell is filled.
    bool choose() {
        for (int c = 1; c <= kCellCount; ++c) {
            const uint16_t mask = board_.Candidates.Mask(c);
            if (mask != 0) {
                levels_[++level_] = {static_cast<uint8_t>(c), mask,
                                     static_cast<uint32_t>(trail_.size())};
                return true;
            }
        }
        return false;
    }

    // Writes the level's lowest untried digit, fills what it forces while the change log
    // records, and lets the host pump events. False when the host asks to stop.
    bool tryNextOption() {
        Level& level = levels_[level_];
        const int digit = std::countr_zero(level.options);
        board_.SetCell(level.cell, digit, false, BackColour::White);
        board_.RecordChanges = true;
        board_.ChangeLog.Clear();
        if (tableExact_) {
            FillForcedCellsAfter(board_, level.cell);
        } else {
            FillForcedCells(board_);
        }
        board_.RecordChanges = false;
        const std::vector<uint8_t>& filled = board_.ChangeLog.Cells();
        trail_.insert(trail_.end(), filled.begin(), filled.end());
        if (host_.PumpEvents()) {
            return false;
        }
        level.options &= static_cast<uint16_t>(~(1U << digit));
        return true;
    }

    // Both checks always run, dead cells first; true on a contradiction. The forced-cell
    // fill left the table exact, so the dead-cell check need not recompute it.
    bool check() {
        const int dead = MarkDeadCellsOnExactTable(board_);
        const int duplicates = MarkDuplicates(board_);
        tableExact_ = true;
        return dead > 0 || duplicates > 0;
    }

    // Empties the cells the top level's propagation filled, oldest first.
    void undoPropagation() {
        const uint32_t start = levels_[level_].trailStart;
        for (uint32_t i = start; i < trail_.size(); ++i) {
            board_.SetCell(trail_[i], 0, false, BackColour::White);
        }
        trail_.resize(start);
        board_.ChangeLog.Clear();
    }

    // Gives up every level whose options are used up, then readies the board for the next
    // option of the level left on top. False when the first level is used up too.
    bool backUp() {
        tableExact_ = false;
        while (levels_[level_].options == 0) {
            undoPropagation();
            board_.SetCell(levels_[level_].cell, 0, false, BackColour::White);
            if (--level_ == 0) {
                return false;
            }
        }
        undoPropagation();
        return true;
    }

    Board& board_;
    SearchHost& host_;
    std::array<Level, kCellCount + 1> levels_{};
    int level_ = 0;
    std::vector<uint8_t> trail_;
    // Candidates is exact for the board, as after a check; emptying cells makes it stale.
    bool tableExact_ = true;
};

SearchHost& silentHost() {
    static SearchHost host;
    return host;
}

}  // namespace

PreSearchVerdict PreSearchCheck(Board& board) {
    if (CountMissingDigits(board) == 0) {
        return PreSearchVerdict::AlreadySolved;
    }
    if (MarkDuplicates(board) > 0) {
        return PreSearchVerdict::Clash;
    }
    if (MarkDeadCells(board) > 0) {
        return PreSearchVerdict::DeadCell;
    }
    return PreSearchVerdict::Proceed;
}

const char* PreSearchMessage(PreSearchVerdict verdict) {
    switch (verdict) {
        case PreSearchVerdict::AlreadySolved:
            return "This puzzle is solved.";
        case PreSearchVerdict::Clash:
            return "Please check entries.";
        case PreSearchVerdict::DeadCell:
            return "Please check logicality.";
        case PreSearchVerdict::Proceed:
            break;
    }
    return "";
}

SearchResult SearchSolution(Board& board, SearchHost& host) {
    const PreSearchVerdict verdict = PreSearchCheck(board);
    if (verdict != PreSearchVerdict::Proceed) {
        host.SearchRefused(verdict);
        SearchResult refused;
        refused.verdict = verdict;
        return refused;
    }
    host.SearchStarting();
    const SearchResult result = Search(board, host).Run();
    host.SearchEnded();
    return result;
}

SearchResult SearchSolution(Board& board) {
    return SearchSolution(board, silentHost());
}

SolveResult SolveCommand(Board& board, SearchHost& host) {
    SolveResult result;
    FillForcedCells(board);
    if (CountMissingDigits(board) != 0) {
        result.searched = true;
        result.search = SearchSolution(board, host);
        if (CountMissingDigits(board) != 0) {
            result.outcome = SolveOutcome::NoSolution;
            return result;
        }
    }
    board.RepaintCells();
    result.outcome = SolveOutcome::Solved;
    return result;
}

SolveResult SolveCommand(Board& board) {
    return SolveCommand(board, silentHost());
}

const char* SolveMessage(SolveOutcome outcome) {
    return outcome == SolveOutcome::Solved ? "Puzzle solved." : "This puzzle hasn't any solution!";
}

}  // namespace ninefold
