// The step solver's working grid: each cell's digit and, while it is empty, its candidates as
// one bit mask (bit d for digit d), with the unit and peer tables its techniques walk.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace ninefold::hints {

// Cells here are numbered 0-80 row by row; steps name them 1-81 as the rest of the game does.
using GridDigits = std::array<uint8_t, 81>;

constexpr uint16_t kAllCandidates = 0x3FE;

// Units 0-8 are rows, 9-17 columns, 18-26 boxes, each with its cells in reading order.
struct HintTables {
    std::array<std::array<uint8_t, 9>, 27> units;
    std::array<std::array<uint8_t, 20>, 81> peers;
    std::array<std::array<uint8_t, 3>, 81> unitsOf;  // the row, column and box of a cell
};
const HintTables& Tables();

constexpr int RowOf(int cell) {
    return cell / 9;
}
constexpr int ColumnOf(int cell) {
    return cell % 9;
}
constexpr int BoxIndexOf(int cell) {
    return (cell / 27) * 3 + (cell % 9) / 3;
}
constexpr bool Sees(int a, int b) {
    return a != b &&
           (RowOf(a) == RowOf(b) || ColumnOf(a) == ColumnOf(b) || BoxIndexOf(a) == BoxIndexOf(b));
}
constexpr uint16_t Bit(int digit) {
    return static_cast<uint16_t>(1U << digit);
}
// Candidate masks and unit positions stay below 1 << 10, so a table answers without
// needing the processor's own bit count.
inline int CountOf(uint16_t mask) {
    static constexpr auto kCounts = [] {
        std::array<uint8_t, 1024> counts{};
        for (int m = 1; m < 1024; ++m) {
            counts[m] = static_cast<uint8_t>(counts[m >> 1] + (m & 1));
        }
        return counts;
    }();
    return mask < 1024 ? kCounts[mask] : std::popcount(mask);
}
inline int LowestOf(uint16_t mask) {
    return std::countr_zero(mask);
}

struct HintGrid {
    GridDigits digits{};               // 0 for an empty cell
    std::array<uint16_t, 81> masks{};  // candidates of empty cells; 0 on filled ones

    // Candidates from the digits alone: every digit that no peer holds.
    static HintGrid FromDigits(const GridDigits& digits);

    // Writes the digit and takes it from the candidates of the cell's peers.
    void Place(int cell, int digit);
    void Eliminate(int cell, int digit) { masks[cell] &= static_cast<uint16_t>(~Bit(digit)); }
    bool Has(int cell, int digit) const { return (masks[cell] & Bit(digit)) != 0; }
    bool Solved() const;
    // Positions (bit k for the unit's k-th cell) where the digit is still a candidate.
    uint16_t Positions(int unit, int digit) const;
};

}  // namespace ninefold::hints
