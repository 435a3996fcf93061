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
    // Bit c & 63 of word c >> 6 for cell c: cells 1-63 in the first word (bit 0 unused),
    // 64-81 in the second. Adding or testing a cell is then one shift without a branch.
    std::array<uint64_t, 2> words{};

    constexpr void Add(int cell) { words[cell >> 6] |= uint64_t{1} << (cell & 63); }
    constexpr bool Has(int cell) const { return ((words[cell >> 6] >> (cell & 63)) & 1U) != 0; }
    constexpr bool Empty() const { return (words[0] | words[1]) == 0; }
    int Count() const { return std::popcount(words[0]) + std::popcount(words[1]); }
    // True when the two sets share a cell.
    constexpr bool Meets(const CellSet& o) const {
        return ((words[0] & o.words[0]) | (words[1] & o.words[1])) != 0;
    }
    int First() const {
        return words[0] != 0 ? std::countr_zero(words[0]) : 64 + std::countr_zero(words[1]);
    }
    // Removes and returns the lowest cell; the set must not be empty.
    int Take() {
        const int cell = First();
        words[cell >> 6] &= words[cell >> 6] - 1;
        return cell;
    }
    // Visits the cells in ascending order.
    template <typename Visit>
    void ForEach(Visit visit) const {
        for (int w = 0; w < 2; ++w) {
            for (uint64_t word = words[w]; word != 0; word &= word - 1) {
                visit(64 * w + std::countr_zero(word));
            }
        }
    }
    constexpr CellSet operator&(const CellSet& o) const {
        return {{words[0] & o.words[0], words[1] & o.words[1]}};
    }
    constexpr CellSet operator|(const CellSet& o) const {
        return {{words[0] | o.words[0], words[1] | o.words[1]}};
    }
    constexpr CellSet Without(const CellSet& o) const {
        return {{words[0] & ~o.words[0], words[1] & ~o.words[1]}};
    }
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
