// A compact complete search over candidate masks: naked and hidden singles after every
// placement, then a guess in the open cell with the fewest candidates. It shares nothing
// with the Board; only its answer reaches the game.
#include "engine/completion_count.h"

#include <bit>

namespace ninefold {

namespace {

constexpr uint16_t kAllDigits = 0x3FE;  // bit d for digit d

// Cells and units numbered from 0 here: cell c - 1 for cell c.
constexpr std::array<std::array<uint8_t, 9>, 27> kUnits = [] {
    std::array<std::array<uint8_t, 9>, 27> units{};
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            units[i][j] = static_cast<uint8_t>(9 * i + j);
            units[9 + i][j] = static_cast<uint8_t>(9 * j + i);
            units[18 + i][j] =
                static_cast<uint8_t>(9 * (3 * (i / 3) + j / 3) + 3 * (i % 3) + j % 3);
        }
    }
    return units;
}();

constexpr std::array<std::array<uint8_t, 20>, kCellCount> kPeers = [] {
    std::array<std::array<uint8_t, 20>, kCellCount> peers{};
    for (int c = 0; c < kCellCount; ++c) {
        int n = 0;
        for (int p = 0; p < kCellCount; ++p) {
            const bool sameRow = p / 9 == c / 9;
            const bool sameColumn = p % 9 == c % 9;
            const bool sameBox = (p / 27 == c / 27) && ((p % 9) / 3 == (c % 9) / 3);
            if (p != c && (sameRow || sameColumn || sameBox)) {
                peers[c][n++] = static_cast<uint8_t>(p);
            }
        }
    }
    return peers;
}();

// One node of the search: every cell's candidates (a placed cell keeps just its digit's bit)
// and which cells are still open.
struct Grid {
    std::array<uint16_t, kCellCount> masks;
    std::array<uint64_t, 2> open;

    bool IsOpen(int cell) const { return ((open[cell >> 6] >> (cell & 63)) & 1U) != 0; }
    void Close(int cell) { open[cell >> 6] &= ~(uint64_t{1} << (cell & 63)); }
};

class Counter {
  public:
    Counter(int64_t& budget, DigitGrid& found) : budget_(budget), found_(found) {}

    Completions Count(const DigitGrid& digits) {
        Grid grid;
        grid.masks.fill(kAllDigits);
        grid.open = {~uint64_t{0}, (uint64_t{1} << (kCellCount - 64)) - 1};
        pending_ = 0;
        for (int c = 0; c < kCellCount; ++c) {
            const int digit = digits[c];
            if (digit == 0) {
                continue;
            }
            const auto bit = static_cast<uint16_t>(1U << digit);
            // A given whose digit a peer already took, or that empties a peer, ends it.
            if ((grid.masks[c] & bit) == 0 || !place(grid, c, bit)) {
                return Completions::None;
            }
        }
        search(grid);
        if (gaveUp_) {
            return Completions::Unknown;
        }
        return solutions_ == 0 ? Completions::None
                               : (solutions_ == 1 ? Completions::One : Completions::Several);
    }

  private:
    // Puts the digit of `bit` into an open cell and takes it from the cell's peers. False
    // when a peer already holds that digit or has no candidate left; a peer left with one
    // candidate waits in pending_ to be placed.
    bool place(Grid& grid, int cell, uint16_t bit) {
        grid.masks[cell] = bit;
        grid.Close(cell);
        for (const uint8_t peer : kPeers[cell]) {
            const uint16_t mask = grid.masks[peer];
            if ((mask & bit) == 0) {
                continue;
            }
            if (!grid.IsOpen(peer)) {
                return false;
            }
            const auto rest = static_cast<uint16_t>(mask & ~bit);
            grid.masks[peer] = rest;
            if (rest == 0) {
                return false;
            }
            if ((rest & (rest - 1)) == 0) {
                pendingCells_[pending_++] = peer;
            }
        }
        return true;
    }

    bool placePending(Grid& grid) {
        while (pending_ > 0) {
            const int cell = pendingCells_[--pending_];
            if (grid.IsOpen(cell) && !place(grid, cell, grid.masks[cell])) {
                return false;
            }
        }
        return true;
    }

    // Every digit must keep a place in every unit; a digit with one place goes there.
    // Returns false on a contradiction; `placed` tells whether anything was written.
    bool placeHiddenSingles(Grid& grid, bool& placed) {
        for (const auto& unit : kUnits) {
            uint16_t once = 0;
            uint16_t twice = 0;
            uint16_t settled = 0;
            for (const uint8_t cell : unit) {
                const uint16_t mask = grid.masks[cell];
                if (grid.IsOpen(cell)) {
                    twice |= once & mask;
                    once |= mask;
                } else {
                    settled |= mask;
                }
            }
            if ((once | settled) != kAllDigits) {
                return false;
            }
            for (uint16_t singles = once & ~twice & ~settled; singles != 0;
                 singles &= static_cast<uint16_t>(singles - 1)) {
                const auto bit = static_cast<uint16_t>(singles & -singles);
                int where = -1;
                for (const uint8_t cell : unit) {
                    if (grid.IsOpen(cell) && (grid.masks[cell] & bit) != 0) {
                        where = cell;
                    }
                }
                // Gone when another digit's only place in this unit was the same cell.
                if (where < 0 || !place(grid, where, bit)) {
                    return false;
                }
                placed = true;
            }
        }
        return true;
    }

    bool propagate(Grid& grid) {
        for (;;) {
            if (!placePending(grid)) {
                return false;
            }
            bool placed = false;
            if (!placeHiddenSingles(grid, placed)) {
                return false;
            }
            if (!placed) {
                return true;
            }
        }
    }

    // The open cell with the fewest candidates, or -1 when none is open.
    static int fewestCandidates(const Grid& grid) {
        int best = -1;
        int bestCount = 10;
        for (int w = 0; w < 2; ++w) {
            for (uint64_t bits = grid.open[w]; bits != 0; bits &= bits - 1) {
                const int cell = 64 * w + std::countr_zero(bits);
                const int count = std::popcount(grid.masks[cell]);
                if (count < bestCount) {
                    best = cell;
                    bestCount = count;
                    if (count == 2) {
                        return best;
                    }
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
        const int cell = fewestCandidates(grid);
        if (cell < 0) {
            if (solutions_++ == 0) {
                for (int c = 0; c < kCellCount; ++c) {
                    found_[c] = static_cast<uint8_t>(std::countr_zero(grid.masks[c]));
                }
            }
            return;
        }
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
            if (solutions_ >= 2 || gaveUp_) {
                return;
            }
        }
    }

    int64_t& budget_;
    DigitGrid& found_;
    int solutions_ = 0;
    bool gaveUp_ = false;
    // Cells left with one candidate and not yet placed. A cell enters only when its
    // candidates drop to one, which happens once per node, so 81 entries suffice.
    std::array<uint8_t, kCellCount> pendingCells_{};
    int pending_ = 0;
};

}  // namespace

Completions CountCompletions(const DigitGrid& digits, int64_t& budget, DigitGrid& found) {
    return Counter(budget, found).Count(digits);
}

}  // namespace ninefold
