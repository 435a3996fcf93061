// The depth-first search behind Solve: choose the lowest-numbered empty cell, try its digits
// ascending with forced cells filled after each, check, and back up on a contradiction.
#include "engine/solver.h"

#include <array>
#include <bit>
#include <vector>

#include "engine/branch_pruner.h"
#include "engine/cell_set.h"
#include "engine/conflicts.h"
#include "engine/deduction.h"
#include "engine/game_texts.h"

namespace ninefold {

namespace {

// One standing guess. The cells its current try's propagation filled sit in the trail
// between trailStart and the next level's trailStart (or the trail's end for the top level),
// so the level can be put back exactly as the board stood before its first guess.
struct Level {
    uint8_t cell = 0;
    uint16_t options = 0;  // digits not yet tried, bit d for digit d
    uint32_t trailStart = 0;
    // Candidates as they stood when the level was opened, exact for the board with the
    // level's cell empty: backing up to the level puts the table back from here.
    CandidateTable table;
};

class Search {
  public:
    // Starts on the board PreSearchCheck accepted, with the table its dead-cell check left.
    // A board that already holds a repeated digit has no solution, yet the search may still
    // fill it (the repeat was marked before, so no check counts it): no branch is skipped then.
    Search(Board& board, SearchHost& host, Pruning pruning)
        : board_(board),
          host_(host),
          startedClean_(!AnyRepeatedDigit(board)),
          pruner_(pruning == Pruning::ProvenEmptyBranches && startedClean_) {
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
            for (;;) {
                passOverEmptyBranches();
                if (levels_[level_].options == 0) {
                    if (!backUp()) {
                        return SearchEnd::Exhausted;
                    }
                    continue;
                }
                ++tried;
                if (!tryNextOption()) {
                    return SearchEnd::Cancelled;
                }
                if (!check()) {
                    break;
                }
                if (!backUp()) {
                    return SearchEnd::Exhausted;
                }
            }
        }
    }

    // Drops the top level's untried digits, lowest first, while they are proven to lead to
    // no complete grid; stops at the first that may.
    void passOverEmptyBranches() {
        Level& level = levels_[level_];
        while (level.options != 0 &&
               pruner_.ProvenEmpty(board_, level.cell, std::countr_zero(level.options))) {
            level.options &= static_cast<uint16_t>(level.options - 1);
        }
    }

    // Opens a level on the lowest-numbered cell that still has a candidate; false when
    // there is none, which after a clean check means every cell is filled.
    bool choose() {
        for (int c = 1; c <= kCellCount; ++c) {
            const uint16_t mask = board_.Candidates.Mask(c);
            if (mask != 0) {
                levels_[++level_] = {static_cast<uint8_t>(c), mask,
                                     static_cast<uint32_t>(trail_.size()), board_.Candidates};
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
        FillForcedCellsAfter(board_, level.cell);
        board_.RecordChanges = false;
        const std::vector<uint8_t>& filled = board_.ChangeLog.Cells();
        trail_.insert(trail_.end(), filled.begin(), filled.end());
        if (host_.PumpEvents()) {
            return false;
        }
        pruner_.Pumped();
        level.options &= static_cast<uint16_t>(~(1U << digit));
        return true;
    }

    // Both checks always run, dead cells first; true on a contradiction. The forced-cell
    // fill left the table exact, so the dead-cell check need not recompute it.
    bool check() {
        const int dead = MarkDeadCellsOnExactTable(board_);
        const int duplicates = markDuplicates();
        return dead > 0 || duplicates > 0;
    }

    // MarkDuplicates without its scan of the whole board. Before each try the board holds no
    // repeated digit when the search started without any: a passed check leaves none (a
    // repeat always includes a cell just written, on white, so the check would have counted
    // it), and backing up restores such a board. Each cell the try wrote holds a digit that
    // was a candidate when its pass began, so a repeat can only be between two of them. The
    // repeats are marked as MarkDuplicates marks them: units in its order, digits ascending,
    // cells in the unit's order.
    int markDuplicates() {
        if (!startedClean_) {
            return MarkDuplicates(board_);
        }
        std::array<uint16_t, 27> repeated{};
        if (!repeatsAmongWritten(repeated)) {
            return 0;
        }
        int count = 0;
        const auto& units = AllUnits();
        for (int u = 0; u < 27; ++u) {
            for (uint16_t digits = repeated[u]; digits != 0;
                 digits &= static_cast<uint16_t>(digits - 1)) {
                markCells(units[u], std::countr_zero(digits), count);
            }
        }
        return count;
    }

    // Per unit (numbered as AllUnits), the digits that two cells written by this try hold.
    // False when there are none, as on most tries. A cell written twice meets only its peers,
    // never itself, so it counts once.
    bool repeatsAmongWritten(std::array<uint16_t, 27>& repeated) const {
        std::array<CellSet, 10> placed{};  // per digit, the written cells holding it
        bool any = false;
        const auto add = [&](int cell) {
            const int digit = board_.Cells[cell].Digit;
            const CellSet& peers = kPeerSets[cell];
            if (peers.Meets(placed[digit])) {
                any = true;
                const CellSet met = peers & placed[digit];
                for (const uint8_t unit : kCellUnits[cell]) {
                    if (kUnitSets[unit].Meets(met)) {
                        repeated[unit] |= static_cast<uint16_t>(1U << digit);
                    }
                }
            }
            placed[digit].Add(cell);
        };
        add(levels_[level_].cell);
        for (const uint8_t cell : board_.ChangeLog.Cells()) {
            add(cell);
        }
        return any;
    }

    // The marking MarkDuplicates does for one repeated digit of a unit: each cell holding it,
    // in the unit's order, counted unless it is yellow already.
    void markCells(const Unit& unit, int digit, int& count) {
        for (const uint8_t cell : unit) {
            const CellState state = board_.Cells[cell];
            if (state.Digit == digit) {
                count += board_.Background(cell) != BackColour::Yellow ? 1 : 0;
                board_.SetCell(cell, state.Digit, state.Fixed, BackColour::Yellow);
            }
        }
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
    // option of the level left on top, with the table it had when it was opened (the board is
    // back as it was then, but for the level's cell). False when the first level is used up.
    // A level whose digits were all passed over is given up the same way: it wrote nothing.
    bool backUp() {
        pruner_.BackedUp();
        while (levels_[level_].options == 0) {
            undoPropagation();
            board_.SetCell(levels_[level_].cell, 0, false, BackColour::White);
            if (--level_ == 0) {
                return false;
            }
        }
        undoPropagation();
        board_.Candidates = levels_[level_].table;
        return true;
    }

    Board& board_;
    SearchHost& host_;
    std::array<Level, kCellCount + 1> levels_{};
    int level_ = 0;
    std::vector<uint8_t> trail_;
    // No digit repeated anywhere when the search began.
    bool startedClean_;
    BranchPruner pruner_;
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

std::string PreSearchMessage(PreSearchVerdict verdict, const TextSource& texts) {
    switch (verdict) {
        case PreSearchVerdict::AlreadySolved:
            return Sentence(texts, texts::kAlreadySolved);
        case PreSearchVerdict::Clash:
            return Sentence(texts, texts::kCheckEntries);
        case PreSearchVerdict::DeadCell:
            return Sentence(texts, texts::kCheckLogicality);
        case PreSearchVerdict::Proceed:
            break;
    }
    return "";
}

SearchResult SearchSolution(Board& board, SearchHost& host, Pruning pruning) {
    const PreSearchVerdict verdict = PreSearchCheck(board);
    if (verdict != PreSearchVerdict::Proceed) {
        host.SearchRefused(verdict);
        SearchResult refused;
        refused.verdict = verdict;
        return refused;
    }
    host.SearchStarting();
    const SearchResult result = Search(board, host, pruning).Run();
    host.SearchEnded();
    return result;
}

SearchResult SearchSolution(Board& board) {
    return SearchSolution(board, silentHost());
}

SolveResult SolveCommand(Board& board, SearchHost& host, Pruning pruning) {
    SolveResult result;
    FillForcedCells(board);
    if (CountMissingDigits(board) != 0) {
        result.searched = true;
        result.search = SearchSolution(board, host, pruning);
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

std::string SolveMessage(SolveOutcome outcome, const TextSource& texts) {
    return Sentence(texts,
                    outcome == SolveOutcome::Solved ? texts::kPuzzleSolved : texts::kNoSolution);
}

}  // namespace ninefold
