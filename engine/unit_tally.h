// For each row, column or box: the digits found in at least one and in at least two of its
// cells, given one digit set per cell (candidates, or the digit a cell holds). The
// hidden-single passes and the duplicate check start here.
#pragma once

#include <array>
#include <cstdint>

namespace ninefold {

struct DigitTally {
    uint16_t once = 0;   // bit d: digit d in at least one cell
    uint16_t twice = 0;  // bit d: digit d in at least two cells
    uint16_t Singles() const { return static_cast<uint16_t>(once & ~twice); }
};

// Entry u (0–8) tallies unit u + 1.
using UnitTallies = std::array<DigitTally, 9>;

// sets: one 16-bit digit set per cell, indexed by cell 1–81 (element 0 unused).
UnitTallies RowTallies(const uint16_t* sets);
UnitTallies ColumnTallies(const uint16_t* sets);
UnitTallies BoxTallies(const uint16_t* sets);

// Per unit, the digits found in exactly one of its cells, and which units have any.
struct UnitSingles {
    std::array<uint16_t, 9> digits{};  // entry u: unit u + 1
    uint16_t units = 0;                // bit u: digits[u] is not empty
};

UnitSingles RowSingles(const uint16_t* sets);
UnitSingles ColumnSingles(const uint16_t* sets);
UnitSingles BoxSingles(const uint16_t* sets);

}  // namespace ninefold
