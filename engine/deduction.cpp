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

// The table's masks for writing in place, four neighbouring cells per 64-bit word. The table
// hands out only a reading pointer; the Board, and so its table, is not const here.
uint16_t* writableMasks(Board& board) {
    return const_cast<uint16_t*>(board.Candidates.Masks());
}

// masks[at … at + 3] &= the four lanes of keep, lane 0 at masks[at].
void keepInFour(uint16_t* masks, int at, const std::array<uint16_t, 4>& keep) {
    uint64_t word;
    uint64_t lanes;
    std::memcpy(&word, masks + at, sizeof word);
    std::memcpy(&lanes, keep.data(), sizeof lanes);
    word &= lanes;
    std::memcpy(masks + at, &word, sizeof word);
}

// Where a cell's peers lie in the table: the first cell of its row and of its column, and
// the first cells of its box's stretches in the box's two other rows.
struct PeerPlaces {
    uint8_t rowStart, columnStart, boxStretch1, boxStretch2;
};

constexpr std::array<PeerPlaces, kCellCount + 1> kPeerPlaces = [] {
    std::array<PeerPlaces, kCellCount + 1> places{};
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const int row = (cell - 1) / 9;
        const int column = (cell - 1) % 9;
        const int bandRow = row - row % 3;
        const int stretch = 3 * (column / 3) + 1;
        std::array<uint8_t, 2> others{};
        int n = 0;
        for (int r = bandRow; r < bandRow + 3; ++r) {
            if (r != row) {
                others[n++] = static_cast<uint8_t>(9 * r + stretch);
            }
        }
        places[cell] = {static_cast<uint8_t>(9 * row + 1), static_cast<uint8_t>(column + 1),
                        others[0], others[1]};
    }
    return places;
}();

// Removes the digit of a just written cell from its row, column and box, and all candidates
// from the cell itself. Row and box stretches go four cells at a time.
void excludeFromPeers(uint16_t* masks, int cell, int digit) {
    const auto keep = static_cast<uint16_t>(~(1U << digit));
    const PeerPlaces places = kPeerPlaces[cell];
    const std::array<uint16_t, 4> all = {keep, keep, keep, keep};
    keepInFour(masks, places.rowStart, all);
    keepInFour(masks, places.rowStart + 4, all);
    masks[places.rowStart + 8] &= keep;
    uint16_t* column = masks + places.columnStart;
    for (int i = 0; i < 9; ++i) {
        column[9 * i] &= keep;
    }
    // A box stretch is lanes 1–3 of a word starting one cell before it (at least element 0,
    // so the word stays inside the table).
    const std::array<uint16_t, 4> lastThree = {0xFFFF, keep, keep, keep};
    keepInFour(masks, places.boxStretch1 - 1, lastThree);
    keepInFour(masks, places.boxStretch2 - 1, lastThree);
    masks[cell] = 0;
}

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
    uint16_t* masks = writableMasks(board);
    for (int i = 0; i < writes.count; ++i) {
        const int cell = writes.cells[i];
        excludeFromPeers(masks, cell, board.Cells[cell].Digit);
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
        // In 16-bit arithmetic throughout, so each vector step takes eight cells.
        const uint16_t mask = masks[i + 1];
        const auto lower = static_cast<uint16_t>(mask & static_cast<uint16_t>(mask - 1U));
        flags[i] = static_cast<uint8_t>((mask != 0) & (lower == 0));
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
    // Flags first, in a plain loop the compiler does eight cells at a time; dead cells are
    // rare, and most calls find none.
    CellFlags dead{};
    const uint16_t* masks = board.Candidates.Masks();
    for (int i = 0; i < kCellCount; ++i) {
        dead[i] = static_cast<uint8_t>((board.Cells[i + 1].Digit == 0) & (masks[i + 1] == 0));
    }
    int count = 0;
    for (int base = 0; base < kCellCount; base += 8) {
        uint64_t word = 0;
        std::memcpy(&word, &dead[base], sizeof word);
        for (; word != 0; word &= word - 1) {
            board.SetCell(base + std::countr_zero(word) / 8 + 1, 0, false, BackColour::Yellow);
            ++count;
        }
    }
    return count;
}

}  // namespace ninefold
