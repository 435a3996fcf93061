// The step solver's working grid: each cell's digit and, while it is empty, its candidates as
// one bit mask (bit d for digit d). Cells are numbered 1-81 and units 0-26 as everywhere in
// the engine, so the techniques walk the one unit and peer tables of addressing.h.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "engine/addressing.h"
#include "engine/cell_set.h"
#include "engine/text_template.h"

namespace ninefold::steps {

constexpr int RowOf(int cell) {  // 1-9
    return CellRowCol(cell).row;
}
constexpr int ColumnOf(int cell) {  // 1-9
    return CellRowCol(cell).column;
}

constexpr bool Sees(int a, int b) {
    return kPeerSets[a].Has(b);
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
    DigitGrid digits{};                            // 0 for an empty cell
    std::array<uint16_t, kCellCount + 1> masks{};  // candidates of empty cells; 0 on filled ones
    // The language the steps found on this grid are told in: it travels with the grid so every
    // finder reaches it without a parameter of its own.
    const TextSource* texts = &EnglishText();

    // Candidates from the digits alone: every digit that no peer holds.
    static HintGrid FromDigits(const DigitGrid& digits);

    // Writes the digit and takes it from the candidates of the cell's peers.
    void Place(int cell, int digit);
    void Eliminate(int cell, int digit) { masks[cell] &= static_cast<uint16_t>(~Bit(digit)); }
    bool Has(int cell, int digit) const { return (masks[cell] & Bit(digit)) != 0; }
    bool Solved() const;
    // Positions (bit k for the unit's k-th cell) where the digit is still a candidate.
    uint16_t Positions(int unit, int digit) const;
};

}  // namespace ninefold::steps
