// Hidden singles per unit, naked singles per cell, and the dead-cell marking.
#include "engine/deduction.h"

#include <bit>

#include "engine/candidates.h"

namespace ninefold {

namespace {

// One unit of a hidden-single pass: every digit possible in exactly one of the unit's cells
// is written there, digits ascending, so when two digits share their only cell the higher
// one is left standing.
bool fillUnit(Board& board, const Unit& unit) {
    uint16_t once = 0;
    uint16_t twice = 0;
    for (uint8_t cell : unit) {
        const uint16_t mask = board.Candidates.Mask(cell);
        twice |= once & mask;
        once |= mask;
    }
    uint16_t singles = once & static_cast<uint16_t>(~twice);
    bool placed = false;
    while (singles != 0) {
        const int digit = std::countr_zero(singles);
        singles &= static_cast<uint16_t>(singles - 1);
        for (uint8_t cell : unit) {
            if (board.Candidates(cell, digit) != 0) {
                board.SetCell(cell, digit, false, BackColour::White);
                break;
            }
        }
        placed = true;
    }
    return placed;
}

bool fillUnits(Board& board, int firstUnit) {
    bool placed = false;
    for (int u = firstUnit; u < firstUnit + 9; ++u) {
        placed = fillUnit(board, AllUnits()[u]) || placed;
    }
    return placed;
}

}  // namespace

bool FillHiddenSinglesByRow(Board& board) {
    return fillUnits(board, 0);
}
bool FillHiddenSinglesByColumn(Board& board) {
    return fillUnits(board, 9);
}
bool FillHiddenSinglesByBox(Board& board) {
    return fillUnits(board, 18);
}

bool FillNakedSingles(Board& board) {
    bool placed = false;
    for (int c = 1; c <= kCellCount; ++c) {
        const uint16_t mask = board.Candidates.Mask(c);
        if (board.Cells[c].Digit == 0 && std::has_single_bit(mask)) {
            board.SetCell(c, std::countr_zero(mask), false, BackColour::White);
            placed = true;
        }
    }
    return placed;
}

void FillForcedCells(Board& board) {
    bool placed = true;
    while (placed) {
        ComputeCandidates(board);
        placed = FillHiddenSinglesByRow(board);
        ComputeCandidates(board);
        placed = FillHiddenSinglesByColumn(board) || placed;
        ComputeCandidates(board);
        placed = FillHiddenSinglesByBox(board) || placed;
        ComputeCandidates(board);
        placed = FillNakedSingles(board) || placed;
    }
}

int MarkDeadCells(Board& board) {
    ComputeCandidates(board);
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
