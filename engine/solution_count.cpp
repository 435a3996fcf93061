// The counting search: digit sets as bit masks, every forced cell (naked and hidden singles)
// filled after each guess, and the guess made in the empty cell with the fewest candidates.
#include "engine/solution_count.h"

#include <array>
#include <bit>
#include <cassert>

namespace ninefold {

namespace {

// Cells here are numbered 0–80 row-major and digit d is bit d - 1.
constexpr uint16_t kAll = 0x1FF;

// The cells of the 27 units (rows, columns, boxes) and, per cell, its three units and its
// 20 peers.
struct Tables {
    std::array<std::array<uint8_t, 9>, 27> unitCells{};
    std::array<std::array<uint8_t, 3>, 81> cellUnits{};
    std::array<std::array<uint8_t, 20>, 81> peers{};
};

constexpr Tables kTables = [] {
    Tables t;
    for (int c = 0; c < 81; ++c) {
        const int row = c / 9, column = c % 9, box = 3 * (row / 3) + column / 3;
        const std::array<int, 3> units = {row, 9 + column, 18 + box};
        for (int k = 0; k < 3; ++k) {
            t.cellUnits[c][k] = static_cast<uint8_t>(units[k]);
        }
        t.unitCells[row][column] = static_cast<uint8_t>(c);
        t.unitCells[9 + column][row] = static_cast<uint8_t>(c);
        t.unitCells[18 + box][3 * (row % 3) + column % 3] = static_cast<uint8_t>(c);
    }
    for (int c = 0; c < 81; ++c) {
        int n = 0;
        for (int p = 0; p < 81; ++p) {
            const bool shares = t.cellUnits[p][0] == t.cellUnits[c][0] ||
                                t.cellUnits[p][1] == t.cellUnits[c][1] ||
                                t.cellUnits[p][2] == t.cellUnits[c][2];
            if (p != c && shares) {
                t.peers[c][n++] = static_cast<uint8_t>(p);
            }
        }
    }
    return t;
}();

// One node of the search. A filled cell has no candidates left; the digits it holds are
// only remembered per unit, which is all the counting needs.
struct Position {
    std::array<uint16_t, 81> candidates;
    std::array<uint16_t, 27> placed;  // digits already standing in each unit
    int empty;
};

constexpr uint16_t lowestBit(uint16_t mask) {
    return static_cast<uint16_t>(mask & (~mask + 1U));
}

// Cells whose candidates fell to one, waiting to be filled.
class Singles {
  public:
    void Push(uint8_t cell) {
        assert(size_ < cells_.size());
        cells_[size_++] = cell;
    }
    bool Empty() const { return size_ == 0; }
    uint8_t Pop() { return cells_[--size_]; }

  private:
    // A cell falls to one candidate at most once between fills, so 81 places suffice.
    std::array<uint8_t, 81> cells_{};
    std::size_t size_ = 0;
};

// Writes the digit `bit` into the cell and strikes it from the peers. False when some peer
// is left with no candidate at all.
bool place(Position& pos, int cell, uint16_t bit, Singles& singles) {
    pos.candidates[cell] = 0;
    --pos.empty;
    for (const uint8_t unit : kTables.cellUnits[cell]) {
        pos.placed[unit] |= bit;
    }
    for (const uint8_t peer : kTables.peers[cell]) {
        uint16_t& mask = pos.candidates[peer];
        if ((mask & bit) == 0) {
            continue;
        }
        mask &= static_cast<uint16_t>(~bit);
        if (mask == 0) {
            return false;
        }
        if (std::has_single_bit(mask)) {
            singles.Push(peer);
        }
    }
    return true;
}

// Fills every cell left with one candidate, and the cells those fills force in turn.
bool fillNakedSingles(Position& pos, Singles& singles) {
    while (!singles.Empty()) {
        const uint8_t cell = singles.Pop();
        // Zero: filled since it was queued (a given, or by a hidden single).
        if (pos.candidates[cell] != 0 && !place(pos, cell, pos.candidates[cell], singles)) {
            return false;
        }
    }
    return true;
}

// One sweep over the units filling each digit that has a single place left in its unit.
// False when a unit has a digit with no place at all.
bool fillHiddenSingles(Position& pos, Singles& singles, bool& filled) {
    for (int unit = 0; unit < 27; ++unit) {
        const std::array<uint8_t, 9>& cells = kTables.unitCells[unit];
        uint16_t once = 0, twice = 0;
        for (const uint8_t cell : cells) {
            twice |= once & pos.candidates[cell];
            once |= pos.candidates[cell];
        }
        if ((once | pos.placed[unit]) != kAll) {
            return false;
        }
        for (uint16_t hidden = once & ~twice; hidden != 0; hidden &= hidden - 1) {
            const uint16_t bit = lowestBit(hidden);
            // Placed already when a fill earlier in this sweep forced it into its one cell.
            if ((pos.placed[unit] & bit) != 0) {
                continue;
            }
            int found = -1;
            for (const uint8_t cell : cells) {
                found = (pos.candidates[cell] & bit) != 0 ? cell : found;
            }
            // Gone when an earlier fill of this sweep took its one cell for another digit.
            if (found < 0 || !place(pos, found, bit, singles) || !fillNakedSingles(pos, singles)) {
                return false;
            }
            filled = true;
        }
    }
    return true;
}

bool propagate(Position& pos, Singles& singles) {
    if (!fillNakedSingles(pos, singles)) {
        return false;
    }
    for (bool filled = true; filled && pos.empty > 0;) {
        filled = false;
        if (!fillHiddenSingles(pos, singles, filled)) {
            return false;
        }
    }
    return true;
}

// The empty cell with the fewest candidates (the first such cell on a tie).
int chooseCell(const Position& pos) {
    int best = -1, bestCount = 10;
    for (int cell = 0; cell < 81 && bestCount > 2; ++cell) {
        const int count = std::popcount(pos.candidates[cell]);
        if (count != 0 && count < bestCount) {
            best = cell;
            bestCount = count;
        }
    }
    return best;
}

class Counter {
  public:
    explicit Counter(uint64_t limit) : limit_(limit) {}

    // Counts the solutions below a propagated position, stopping once the limit is reached.
    void Search(const Position& pos) {
        if (pos.empty == 0) {
            ++found_;
            return;
        }
        const int cell = chooseCell(pos);
        for (uint16_t options = pos.candidates[cell]; options != 0 && found_ < limit_;
             options &= options - 1) {
            Position next = pos;
            Singles singles;
            if (place(next, cell, lowestBit(options), singles) && propagate(next, singles)) {
                Search(next);
            }
        }
    }

    uint64_t Found() const { return found_; }

  private:
    uint64_t limit_;
    uint64_t found_ = 0;
};

}  // namespace

uint64_t CountSolutions(const CellGrid& grid, uint64_t limit) {
    if (limit == 0) {
        return 0;
    }
    Position pos;
    pos.candidates.fill(kAll);
    pos.placed.fill(0);
    pos.empty = 81;
    // Every digit goes in before any forced cell is filled, so that a fill can never take a
    // cell that holds a digit of its own.
    Singles singles;
    for (int cell = 0; cell < 81; ++cell) {
        const int digit = grid[cell].Digit;
        if (digit < 1 || digit > 9) {
            continue;
        }
        const auto bit = static_cast<uint16_t>(1U << (digit - 1));
        // The digit is gone from its own cell only when a peer already holds it.
        if ((pos.candidates[cell] & bit) == 0 || !place(pos, cell, bit, singles)) {
            return 0;
        }
    }
    if (!propagate(pos, singles)) {
        return 0;
    }
    Counter counter(limit);
    counter.Search(pos);
    return counter.Found();
}

}  // namespace ninefold
