// The Candidates table as the complement of the digits each cell's three units hold.
#include "engine/candidates.h"

namespace ninefold {

namespace {

struct CellUnits {
    uint8_t row, column, box;  // 0-based
};

const std::array<CellUnits, kCellCount + 1>& cellUnits() {
    static const auto table = [] {
        std::array<CellUnits, kCellCount + 1> t{};
        for (int c = 1; c <= kCellCount; ++c) {
            const RowCol rc = CellRowCol(c);
            t[c] = {static_cast<uint8_t>(rc.row - 1), static_cast<uint8_t>(rc.column - 1),
                    static_cast<uint8_t>(BoxOf(c) - 1)};
        }
        return t;
    }();
    return table;
}

}  // namespace

void ResetCandidates(Board& board) {
    board.Candidates.Reset();
}

void ComputeCandidates(Board& board) {
    const auto& units = cellUnits();
    std::array<uint16_t, 9> inRow{}, inColumn{}, inBox{};
    for (int c = 1; c <= kCellCount; ++c) {
        const int d = board.Cells[c].Digit;
        if (d != 0) {
            const auto bit = static_cast<uint16_t>(1U << d);
            inRow[units[c].row] |= bit;
            inColumn[units[c].column] |= bit;
            inBox[units[c].box] |= bit;
        }
    }
    for (int c = 1; c <= kCellCount; ++c) {
        uint16_t mask = 0;
        if (board.Cells[c].Digit == 0) {
            const uint16_t taken =
                inRow[units[c].row] | inColumn[units[c].column] | inBox[units[c].box];
            mask = static_cast<uint16_t>(CandidateTable::kAllDigits & ~taken);
        }
        board.Candidates.SetMask(c, mask);
    }
}

}  // namespace ninefold
