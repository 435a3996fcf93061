// A set of cells 1-81 as two machine words, bit c for cell c: quick unions and intersections
// of peers and candidates, and whether two cells see each other, for the engine and the step
// solver alike. Also each unit's and each cell's peers as such sets.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "engine/addressing.h"

namespace ninefold {

struct CellSet {
    uint64_t low = 0;   // cells 1-63 (bit 0 unused)
    uint64_t high = 0;  // cells 64-81

    constexpr void Add(int cell) {
        if (cell < 64) {
            low |= uint64_t{1} << cell;
        } else {
            high |= uint64_t{1} << (cell - 64);
        }
    }
    constexpr bool Has(int cell) const {
        return cell < 64 ? ((low >> cell) & 1U) != 0 : ((high >> (cell - 64)) & 1U) != 0;
    }
    constexpr bool Empty() const { return low == 0 && high == 0; }
    int Count() const { return std::popcount(low) + std::popcount(high); }
    // True when the two sets share a cell.
    constexpr bool Meets(const CellSet& o) const { return ((low & o.low) | (high & o.high)) != 0; }
    int First() const { return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(high); }
    // Removes and returns the lowest cell; the set must not be empty.
    int Take() {
        const int cell = First();
        if (cell < 64) {
            low &= low - 1;
        } else {
            high &= high - 1;
        }
        return cell;
    }
    // Visits the cells in ascending order.
    template <typename Visit>
    void ForEach(Visit visit) const {
        for (uint64_t word = low; word != 0; word &= word - 1) {
            visit(std::countr_zero(word));
        }
        for (uint64_t word = high; word != 0; word &= word - 1) {
            visit(64 + std::countr_zero(word));
        }
    }
    constexpr CellSet operator&(const CellSet& o) const { return {low & o.low, high & o.high}; }
    constexpr CellSet operator|(const CellSet& o) const { return {low | o.low, high | o.high}; }
    constexpr CellSet Without(const CellSet& o) const { return {low & ~o.low, high & ~o.high}; }
};

// Per unit (numbered as kUnits), its nine cells as one set.
inline constexpr std::array<CellSet, 27> kUnitSets = [] {
    std::array<CellSet, 27> sets{};
    for (int u = 0; u < 27; ++u) {
        for (const uint8_t c : kUnits[u]) {
            sets[u].Add(c);
        }
    }
    return sets;
}();

// Per cell, its 20 peers as one set, so asking whether two cells see each other is one bit
// test; element 0 unused.
inline constexpr std::array<CellSet, kCellCount + 1> kPeerSets = [] {
    std::array<CellSet, kCellCount + 1> sets{};
    for (int c = 1; c <= kCellCount; ++c) {
        for (const uint8_t p : kPeers[c]) {
            sets[c].Add(p);
        }
    }
    return sets;
}();

}  // namespace ninefold
