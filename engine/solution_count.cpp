// A compact complete search over candidate masks: naked and hidden singles after every
// placement, locked candidates while many cells are open, then a guess in the open cell with
// the fewest candidates. It shares nothing with the Board but its numbering; only its answer
// reaches the game.
#include "engine/solution_count.h"

#include <bit>
#include <limits>

namespace ninefold {

namespace {

// Below this many open cells a node skips locked candidates: singles settle nearly every
// such grid, and the pass would cost more than the guesses it spares. That matters most
// when counting grids with many solutions, where most nodes are near the end of a branch.
constexpr int kFewOpenCells = 40;

struct Counted {
    uint64_t count = 0;   // solutions met, at most the limit
    bool gaveUp = false;  // the budget ran out first, so `count` is only a lower bound
};

// One node of the search, indexed by cell number (element 0 stays empty): the candidates of
// every open cell (0 once a digit is placed), the placed digits, per unit the digits placed in it,
// the units in which some cell changed since they were last looked at for hidden singles, and the
// number of open cells.
struct Grid {
    std::array<uint16_t, kCellCount + 1> masks;
    DigitGrid digits;
    std::array<uint16_t, 27> placed;
    uint32_t changedUnits;
    int open;
};

class Counter {
  public:
    Counter(uint64_t limit, int64_t& budget, DigitGrid& found)
        : limit_(limit), budget_(budget), found_(found) {}

    Counted Count(const DigitGrid& digits) {
        if (limit_ == 0) {
            return {};
        }
        Grid grid;
        grid.masks.fill(kAllDigits);
        grid.masks[0] = 0;
        grid.digits.fill(0);
        grid.placed.fill(0);
        grid.changedUnits = (uint32_t{1} << 27) - 1;
        grid.open = kCellCount;
        pending_ = 0;
        for (int c = 1; c <= kCellCount; ++c) {
            const int digit = digits[c];
            if (digit == 0 || digit > 9) {
                continue;
            }
            const auto bit = static_cast<uint16_t>(1U << digit);
            // A given whose digit a peer already holds, or that leaves a peer without a
            // candidate, ends the count at once.
            if ((grid.masks[c] & bit) == 0 || !place(grid, c, bit)) {
                return {};
            }
        }
        search(grid);
        return {solutions_, gaveUp_};
    }

  private:
    // Puts the digit of `bit`, one of the open cell's candidates, into it and takes that digit
    // from the cell's peers. False when a peer is left without a candidate; a peer left with
    // one waits in pending_ to be placed. No peer can hold the digit already: it would have
    // been taken from this cell's candidates when the peer got it.
    bool place(Grid& grid, int cell, uint16_t bit) {
        grid.masks[cell] = 0;
        --grid.open;
        grid.digits[cell] = static_cast<uint8_t>(std::countr_zero(bit));
        for (const uint8_t unit : kCellUnits[cell]) {
            grid.placed[unit] |= bit;
        }
        grid.changedUnits |= kCellUnitBits[cell];
        for (const uint8_t peer : kPeers[cell]) {
            if ((grid.masks[peer] & bit) != 0 && !takeFrom(grid, peer, bit)) {
                return false;
            }
        }
        return true;
    }

    // Takes `digits`, some of which the open cell holds, from its candidates. False when none
    // is left; a cell left with one waits in pending_ to be placed.
    bool takeFrom(Grid& grid, int cell, uint16_t digits) {
        const auto rest = static_cast<uint16_t>(grid.masks[cell] & ~digits);
        grid.masks[cell] = rest;
        grid.changedUnits |= kCellUnitBits[cell];
        if (rest == 0) {
            return false;
        }
        if ((rest & (rest - 1)) == 0) {
            pendingCells_[pending_++] = static_cast<uint8_t>(cell);
        }
        return true;
    }

    bool placePending(Grid& grid) {
        while (pending_ > 0) {
            const int cell = pendingCells_[--pending_];
            if (grid.masks[cell] != 0 && !place(grid, cell, grid.masks[cell])) {
                return false;
            }
        }
        return true;
    }

    // Every digit must keep a place in the unit; a digit with one place goes there. False on
    // a contradiction. The step solver's assumptions have a twin of this scan that also
    // records when each candidate left; here nothing is recorded, for speed.
    bool placeHiddenSingles(Grid& grid, int u) {
        if (grid.placed[u] == kAllDigits) {
            return true;
        }
        const Unit& unit = kUnits[u];
        uint16_t once = 0;
        uint16_t twice = 0;
        for (const uint8_t cell : unit) {
            const uint16_t mask = grid.masks[cell];
            twice |= once & mask;
            once |= mask;
        }
        if ((once | grid.placed[u]) != kAllDigits) {
            return false;
        }
        for (uint16_t singles = once & ~twice; singles != 0;
             singles &= static_cast<uint16_t>(singles - 1)) {
            const auto bit = static_cast<uint16_t>(singles & -singles);
            int where = -1;
            for (const uint8_t cell : unit) {
                if ((grid.masks[cell] & bit) != 0) {
                    where = cell;
                }
            }
            // Gone when another digit's only place in this unit was the same cell.
            if (where < 0 || !place(grid, where, bit)) {
                return false;
            }
        }
        return true;
    }

    // Takes `digits` from the three cells of a stretch (three cells of one row or column
    // inside one box) that start at `first` with step `step`. False when a cell loses its
    // last candidate; true in `changed` when any candidate went.
    bool removeFromStretch(Grid& grid, int first, int step, uint16_t digits, bool& changed) {
        for (int i = 0; i < 3; ++i) {
            const int cell = first + i * step;
            if ((grid.masks[cell] & digits) == 0) {
                continue;
            }
            changed = true;
            if (!takeFrom(grid, cell, digits)) {
                return false;
            }
        }
        return true;
    }

    // Where a digit's places in a box all lie in one of its rows (or columns), the digit
    // goes from the rest of that row (or column); where its places in a row (or column) all
    // lie in one box, it goes from the rest of that box. Works on stretches: the candidates
    // of three cells of a line inside one box, together.
    bool removeLockedCandidates(Grid& grid, bool& changed) {
        // along = false: rows and their stretches; true: columns.
        for (const bool columns : {false, true}) {
            const int lineStep = columns ? 1 : 9;              // from one line to the next
            const int cellStep = columns ? 9 : 1;              // along a line
            std::array<std::array<uint16_t, 3>, 9> stretch{};  // [line][box along the line]
            for (int line = 0; line < 9; ++line) {
                for (int part = 0; part < 3; ++part) {
                    const int first = 1 + line * lineStep + 3 * part * cellStep;
                    stretch[line][part] = grid.masks[first] | grid.masks[first + cellStep] |
                                          grid.masks[first + 2 * cellStep];
                }
            }
            for (int line = 0; line < 9; ++line) {
                for (int part = 0; part < 3; ++part) {
                    const uint16_t here = stretch[line][part];
                    if (here == 0) {
                        continue;
                    }
                    const int p1 = (part + 1) % 3;
                    const int p2 = (part + 2) % 3;
                    const int band = line - line % 3;
                    const int l1 = band + (line + 1) % 3;
                    const int l2 = band + (line + 2) % 3;
                    // Only here within the line: not elsewhere in the box.
                    const auto claimed =
                        static_cast<uint16_t>(here & ~(stretch[line][p1] | stretch[line][p2]));
                    // Only here within the box: not elsewhere in the line.
                    const auto pointed =
                        static_cast<uint16_t>(here & ~(stretch[l1][part] | stretch[l2][part]));
                    if ((claimed & (stretch[l1][part] | stretch[l2][part])) != 0) {
                        const int first1 = 1 + l1 * lineStep + 3 * part * cellStep;
                        const int first2 = 1 + l2 * lineStep + 3 * part * cellStep;
                        if (!removeFromStretch(grid, first1, cellStep, claimed, changed) ||
                            !removeFromStretch(grid, first2, cellStep, claimed, changed)) {
                            return false;
                        }
                    }
                    if ((pointed & (stretch[line][p1] | stretch[line][p2])) != 0) {
                        const int first1 = 1 + line * lineStep + 3 * p1 * cellStep;
                        const int first2 = 1 + line * lineStep + 3 * p2 * cellStep;
                        if (!removeFromStretch(grid, first1, cellStep, pointed, changed) ||
                            !removeFromStretch(grid, first2, cellStep, pointed, changed)) {
                            return false;
                        }
                    }
                }
            }
        }
        return true;
    }

    // Singles, unit by unit wherever something changed, until none is left; then, while many
    // cells are open, locked candidates and the singles they bring.
    bool propagate(Grid& grid) {
        bool lockedDone = false;
        for (;;) {
            if (!placePending(grid)) {
                return false;
            }
            if (grid.changedUnits != 0) {
                const int u = std::countr_zero(grid.changedUnits);
                grid.changedUnits &= grid.changedUnits - 1;
                if (!placeHiddenSingles(grid, u)) {
                    return false;
                }
                continue;
            }
            // One pass of locked candidates per node: further passes find little and cost
            // more than the guesses they spare.
            if (lockedDone || grid.open < kFewOpenCells) {
                return true;
            }
            lockedDone = true;
            bool changed = false;
            if (!removeLockedCandidates(grid, changed)) {
                return false;
            }
            if (!changed) {
                return true;
            }
        }
    }

    // The open cell with the fewest candidates; some cell must be open.
    static int fewestCandidates(const Grid& grid) {
        int best = 0;
        int bestCount = 10;
        for (int cell = 1; cell <= kCellCount; ++cell) {
            const uint16_t mask = grid.masks[cell];
            if (mask == 0) {
                continue;
            }
            const int count = std::popcount(mask);
            if (count < bestCount) {
                best = cell;
                bestCount = count;
                if (count == 2) {
                    return best;
                }
            }
        }
        return best;
    }

    void search(Grid& grid) {
        if (!propagate(grid)) {
            pending_ = 0;
            return;
        }
        if (grid.open == 0) {
            if (solutions_++ == 0) {
                found_ = grid.digits;
            }
            return;
        }
        const int cell = fewestCandidates(grid);
        for (uint16_t options = grid.masks[cell]; options != 0;
             options &= static_cast<uint16_t>(options - 1)) {
            if (budget_ <= 0) {
                gaveUp_ = true;
                return;
            }
            --budget_;
            Grid next = grid;
            pending_ = 0;
            if (place(next, cell, static_cast<uint16_t>(options & -options))) {
                search(next);
            }
            pending_ = 0;
            if (solutions_ >= limit_ || gaveUp_) {
                return;
            }
        }
    }

    uint64_t limit_;
    int64_t& budget_;
    DigitGrid& found_;
    uint64_t solutions_ = 0;
    bool gaveUp_ = false;
    // Cells left with one candidate and not yet placed. A cell enters only when its
    // candidates drop to one, which happens once per node, so 81 entries suffice.
    std::array<uint8_t, kCellCount> pendingCells_{};
    int pending_ = 0;
};

}  // namespace

DigitGrid DigitsOf(std::span<const CellState, kCellCount> cells) {
    DigitGrid digits{};
    for (int c = 1; c <= kCellCount; ++c) {
        digits[c] = cells[c - 1].Digit <= 9 ? cells[c - 1].Digit : 0;
    }
    return digits;
}

uint64_t CountSolutions(const CellGrid& grid, uint64_t limit) {
    int64_t budget = std::numeric_limits<int64_t>::max();
    DigitGrid found;
    return Counter(limit, budget, found).Count(DigitsOf(grid)).count;
}

Solutions ClassifySolutions(const DigitGrid& digits, int64_t& budget, DigitGrid& found) {
    const Counted counted = Counter(2, budget, found).Count(digits);
    if (counted.gaveUp) {
        return Solutions::Unknown;
    }
    return counted.count == 0 ? Solutions::None
                              : (counted.count == 1 ? Solutions::One : Solutions::Several);
}

Solutions JudgeSolutions(const DigitGrid& digits, DigitGrid& solution) {
    int64_t budget = std::numeric_limits<int64_t>::max();
    DigitGrid found{};
    const Solutions verdict = ClassifySolutions(digits, budget, found);
    if (verdict == Solutions::One) {
        solution = found;
    }
    return verdict == Solutions::Unknown ? Solutions::None : verdict;  // Unknown: never met
}

}  // namespace ninefold
