// The Candidates table as the complement of the digits each cell's three units hold.
#include "engine/candidates.h"

namespace ninefold {

void ResetCandidates(Board& board) {
    board.Candidates.Reset();
}

void ComputeCandidates(Board& board) {
    // Plain loops with fixed bounds and no branches: this runs several times per tried digit
    // of the search. Digit 0 sets bit 0, which the digit mask drops.
    constexpr uint16_t all = kAllDigits;
    std::array<uint16_t, 9> inRow{}, inColumn{}, inBox{};
    for (int r = 0; r < 9; ++r) {
        const CellState* row = &board.Cells[9 * r + 1];
        std::array<uint16_t, 3> third{};
        for (int k = 0; k < 9; ++k) {
            const auto bit = static_cast<uint16_t>((1U << row[k].Digit) & all);
            inColumn[k] |= bit;
            third[k / 3] |= bit;
        }
        inRow[r] = third[0] | third[1] | third[2];
        for (int t = 0; t < 3; ++t) {
            inBox[r / 3 * 3 + t] |= third[t];
        }
    }
    for (int r = 0; r < 9; ++r) {
        const CellState* row = &board.Cells[9 * r + 1];
        for (int k = 0; k < 9; ++k) {
            const auto taken =
                static_cast<uint16_t>(inRow[r] | inColumn[k] | inBox[r / 3 * 3 + k / 3]);
            const uint16_t open = row[k].Digit == 0 ? all : 0;
            board.Candidates.SetMask(9 * r + k + 1, static_cast<uint16_t>(open & ~taken));
        }
    }
}

}  // namespace ninefold
