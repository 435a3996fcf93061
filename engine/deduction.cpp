// Hidden singles per unit, naked singles per cell, and the dead-cell marking.
#include "engine/deduction.h"

#include <bit>
#include <cstring>

#include "engine/candidates.h"
#include "engine/unit_tally.h"

namespace ninefold {

namespace {

// The cells one pass wrote, in order (a cell written twice is listed twice). A pass writes
// at most one cell per digit and unit, or one per cell, so 81 entries always suffice.
struct Writes {
    std::array<uint8_t, kCellCount> cells;  // the first count entries are set
    int count = 0;
    void Add(int cell) { cells[count++] = static_cast<uint8_t>(cell); }
};

// Past this many written cells a full recomputation is cheaper than updating peers.
constexpr int kIncrementalLimit = 24;

// Brings a table that was exact before the pass up to date with the cells the pass wrote.
// Every written cell was empty when the table was computed, so the new table is the old one
// less each written cell's final digit in its peers, and nothing in the written cells:
// exactly what ComputeCandidates would give.
void refreshCandidates(Board& board, const Writes& writes) {
    if (writes.count > kIncrementalLimit) {
        ComputeCandidates(board);
        return;
    }
    for (int i = 0; i < writes.count; ++i) {
        const int cell = writes.cells[i];
        const auto keep = static_cast<uint16_t>(~(1U << board.Cells[cell].Digit));
        board.Candidates.SetMask(cell, 0);
        for (const uint8_t peer : Peers(cell)) {
            board.Candidates.SetMask(peer, board.Candidates.Mask(peer) & keep);
        }
    }
}

// Cell index of member k (0–8) of unit u (0–8) of a kind: 0 rows, 1 columns, 2 boxes. Known
// at compile time, so each unit's nine reads unroll into fixed offsets.
template <int Kind>
constexpr int memberOf(int u, int k) {
    if constexpr (Kind == 0) {
        return 9 * u + k + 1;
    } else if constexpr (Kind == 1) {
        return 9 * k + u + 1;
    } else {
        return 27 * (u / 3) + 3 * (u % 3) + 9 * (k / 3) + k % 3 + 1;
    }
}

// One pass over the nine units of a kind, units in order. In each unit every digit possible
// in exactly one of its cells is written there, digits ascending, so when two digits share
// their only cell the higher one is left standing. The table does not change during the
// pass, so the units' singles can all be read before the first write.
template <int Kind>
void fillHiddenSingles(Board& board, Writes& writes) {
    const uint16_t* masks = board.Candidates.Masks();
    const UnitTallies tallies = Kind == 0   ? RowTallies(masks)
                                : Kind == 1 ? ColumnTallies(masks)
                                            : BoxTallies(masks);
    uint16_t any = 0;
    for (const DigitTally& tally : tallies) {
        any |= tally.Singles();
    }
    if (any == 0) {
        return;
    }
    for (int u = 0; u < 9; ++u) {
        uint16_t singles = tallies[u].Singles();
        while (singles != 0) {
            const int digit = std::countr_zero(singles);
            singles &= static_cast<uint16_t>(singles - 1);
            for (int k = 0; k < 9; ++k) {
                const int cell = memberOf<Kind>(u, k);
                if (board.Candidates(cell, digit) != 0) {
                    board.SetCell(cell, digit, false, BackColour::White);
                    writes.Add(cell);
                    break;
                }
            }
        }
    }
}

// Cells with exactly one candidate, one flag byte per cell (cell c at c - 1), padded to whole
// words. Written as a plain loop over the table so the compiler does it eight cells at a time:
// such cells are rare, and a branch per cell would mostly be mispredicted.
using CellFlags = std::array<uint8_t, 88>;

CellFlags singleCandidateCells(const uint16_t* masks) {
    CellFlags flags{};
    for (int i = 0; i < kCellCount; ++i) {
        const uint16_t mask = masks[i + 1];
        flags[i] = static_cast<uint8_t>((mask != 0) & ((mask & (mask - 1)) == 0));
    }
    return flags;
}

void fillNakedSingles(Board& board, Writes& writes) {
    const CellFlags flags = singleCandidateCells(board.Candidates.Masks());
    for (int base = 0; base < kCellCount; base += 8) {
        uint64_t word = 0;
        std::memcpy(&word, &flags[base], sizeof word);
        for (; word != 0; word &= word - 1) {
            const int c = base + std::countr_zero(word) / 8 + 1;
            if (board.Cells[c].Digit == 0) {
                board.SetCell(c, std::countr_zero(board.Candidates.Mask(c)), false,
                              BackColour::White);
                writes.Add(c);
            }
        }
    }
}

// The four passes of a cycle; 0–2 are the row, column and box units, 3 the naked singles.
void runPass(Board& board, int pass, Writes& writes) {
    switch (pass) {
        case 0:
            fillHiddenSingles<0>(board, writes);
            break;
        case 1:
            fillHiddenSingles<1>(board, writes);
            break;
        case 2:
            fillHiddenSingles<2>(board, writes);
            break;
        default:
            fillNakedSingles(board, writes);
            break;
    }
}

bool runAlone(Board& board, int pass) {
    Writes writes;
    runPass(board, pass, writes);
    return writes.count > 0;
}

}  // namespace

bool FillHiddenSinglesByRow(Board& board) {
    return runAlone(board, 0);
}
bool FillHiddenSinglesByColumn(Board& board) {
    return runAlone(board, 1);
}
bool FillHiddenSinglesByBox(Board& board) {
    return runAlone(board, 2);
}
bool FillNakedSingles(Board& board) {
    return runAlone(board, 3);
}

namespace {

// The cycles of FillForcedCells on a table that is already exact for the board.
void fillFromExactTable(Board& board) {
    // After a pass the table is brought up to date from the cells that pass wrote instead of
    // being rebuilt. A pass that found nothing on a table would find nothing on it again, so
    // it is skipped until some later pass has written a cell. The cells written and their
    // order stay those of a recomputation before every pass.
    int tableVersion = 0;
    std::array<int, 4> idleOn = {-1, -1, -1, -1};
    bool placed = true;
    while (placed) {
        placed = false;
        for (int pass = 0; pass < 4; ++pass) {
            if (idleOn[pass] == tableVersion) {
                continue;
            }
            Writes writes;
            runPass(board, pass, writes);
            if (writes.count > 0) {
                refreshCandidates(board, writes);
                ++tableVersion;
                placed = true;
            } else {
                idleOn[pass] = tableVersion;
            }
        }
    }
}

}  // namespace

void FillForcedCells(Board& board) {
    ComputeCandidates(board);
    fillFromExactTable(board);
}

void FillForcedCellsAfter(Board& board, int filledCell) {
    Writes writes;
    writes.Add(filledCell);
    refreshCandidates(board, writes);
    fillFromExactTable(board);
}

int MarkDeadCells(Board& board) {
    ComputeCandidates(board);
    return MarkDeadCellsOnExactTable(board);
}

int MarkDeadCellsOnExactTable(Board& board) {
    int count = 0;
    for (int c = 1; c <= kCellCount; ++c) {
        if (board.Cells[c].Digit == 0 && board.Candidates.Mask(c) == 0) {
            board.SetCell(c, 0, false, BackColour::Yellow);
            ++count;
        }
    }
    return count;
}

}  // namespace ninefold
