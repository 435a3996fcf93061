// Hidden singles per unit, naked singles per cell, and the dead-cell marking.
#include "engine/deduction.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define NINEFOLD_DEDUCTION_SSE2 1
#endif

#include "engine/candidates.h"
#include "engine/cell_set.h"
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
    uint16_t* masks = board.Candidates.Masks();
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
    const UnitSingles found = Kind == 0   ? RowSingles(masks)
                              : Kind == 1 ? ColumnSingles(masks)
                                          : BoxSingles(masks);
    if (found.units == 0) {
        return;
    }
    for (int u = 0; u < 9; ++u) {
        uint16_t singles = found.digits[u];
        while (singles != 0) {
            const int digit = std::countr_zero(singles);
            singles &= static_cast<uint16_t>(singles - 1);
            // The one member holding the digit, found without a branch per member.
            unsigned members = 0;
            for (int k = 0; k < 9; ++k) {
                members |= ((static_cast<unsigned>(masks[memberOf<Kind>(u, k)]) >> digit) & 1U)
                           << k;
            }
            const int cell = memberOf<Kind>(u, std::countr_zero(members));
            board.SetCell(cell, digit, false, BackColour::White);
            writes.Add(cell);
        }
    }
}

// Cells found by the scans below are rare, so they are collected eight cells at a time
// without a branch per cell into a cell set, then visited in cell order.

#ifdef NINEFOLD_DEDUCTION_SSE2

// One bit per 16-bit lane (lane 0 lowest) from a lane-wise comparison result.
unsigned laneBits(__m128i lanes) {
    const __m128i bytes = _mm_packs_epi16(lanes, _mm_setzero_si128());
    return static_cast<unsigned>(_mm_movemask_epi8(bytes)) & 0xFFU;
}

__m128i loadEight(const void* from) {
    return _mm_loadu_si128(static_cast<const __m128i*>(from));
}

// The cells 1–80 whose eight-cell group passes a lane-wise test; cell 81 is left to the
// caller.
// Inlined, so the lane constants stay in registers: this runs once per fill pass.
template <typename Test>
[[gnu::always_inline]] inline CellSet cellsPassing(Test test) {
    uint64_t first = 0;   // cells 1-64, bit c - 1 for cell c: eight groups fill it exactly
    uint64_t second = 0;  // cells 65-80 the same way
    for (int g = 0; g < 10; ++g) {
        const uint64_t bits = laneBits(test(8 * g + 1));
        (g < 8 ? first : second) |= bits << (8 * (g & 7));
    }
    // One place up, to the cell set's bit c for cell c.
    return CellSet{{first << 1, (second << 1) | (first >> 63)}};
}

bool singleBit(uint16_t mask) {
    return mask != 0 && (mask & (mask - 1)) == 0;
}

CellSet singleCandidateCells(const uint16_t* masks) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i one = _mm_set1_epi16(1);
    CellSet cells = cellsPassing([&](int first) {
        const __m128i mask = loadEight(masks + first);
        const __m128i lower = _mm_and_si128(mask, _mm_sub_epi16(mask, one));
        return _mm_andnot_si128(_mm_cmpeq_epi16(mask, zero), _mm_cmpeq_epi16(lower, zero));
    });
    if (singleBit(masks[kCellCount])) {
        cells.Add(kCellCount);
    }
    return cells;
}

// Empty cells without a candidate. A cell's record is two bytes, its digit the first.
CellSet deadCells(const Board& board) {
    static_assert(sizeof(CellState) == 2);
    const __m128i zero = _mm_setzero_si128();
    const __m128i digitByte = _mm_set1_epi16(0xFF);
    const uint16_t* masks = board.Candidates.Masks();
    CellSet cells = cellsPassing([&](int first) {
        const __m128i digits = _mm_and_si128(loadEight(&board.Cells[first]), digitByte);
        return _mm_and_si128(_mm_cmpeq_epi16(digits, zero),
                             _mm_cmpeq_epi16(loadEight(masks + first), zero));
    });
    if (board.Cells[kCellCount].Digit == 0 && masks[kCellCount] == 0) {
        cells.Add(kCellCount);
    }
    return cells;
}

#else

CellSet singleCandidateCells(const uint16_t* masks) {
    CellSet cells;
    for (int c = 1; c <= kCellCount; ++c) {
        if (masks[c] != 0 && (masks[c] & (masks[c] - 1)) == 0) {
            cells.Add(c);
        }
    }
    return cells;
}

CellSet deadCells(const Board& board) {
    CellSet cells;
    for (int c = 1; c <= kCellCount; ++c) {
        if (board.Cells[c].Digit == 0 && board.Candidates.Mask(c) == 0) {
            cells.Add(c);
        }
    }
    return cells;
}

#endif

void fillNakedSingles(Board& board, Writes& writes) {
    singleCandidateCells(board.Candidates.Masks()).ForEach([&](int c) {
        if (board.Cells[c].Digit == 0) {
            board.SetCell(c, std::countr_zero(board.Candidates.Mask(c)), false, BackColour::White);
            writes.Add(c);
        }
    });
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
    deadCells(board).ForEach([&](int c) {
        board.SetCell(c, 0, false, BackColour::Yellow);
        ++count;
    });
    return count;
}

}  // namespace ninefold
