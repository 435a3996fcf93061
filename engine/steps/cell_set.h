// A set of cells 1-81 as two machine words, for the chain searches' quick unions and
// intersections of peers and candidates, and for telling whether two cells see each other.
#pragma once

#include <bit>
#include <cstdint>

namespace ninefold::steps {

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
    bool Empty() const { return low == 0 && high == 0; }
    int Count() const { return std::popcount(low) + std::popcount(high); }
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
    CellSet operator&(const CellSet& o) const { return {low & o.low, high & o.high}; }
    CellSet operator|(const CellSet& o) const { return {low | o.low, high | o.high}; }
    CellSet Without(const CellSet& o) const { return {low & ~o.low, high & ~o.high}; }
};

}  // namespace ninefold::steps
