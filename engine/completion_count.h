// Counting the ways a partly filled grid can be completed, up to two, with a bound on the
// work: the search uses it to pass over digits that provably lead to no complete grid.
#pragma once

#include <array>
#include <cstdint>

#include "engine/addressing.h"

namespace ninefold {

// The digits of a grid in cell order, element 0 for cell 1; 0 is an empty cell.
using DigitGrid = std::array<uint8_t, kCellCount>;

enum class Completions {
    None,     // no complete, correct grid keeps these digits
    One,      // exactly one does
    Several,  // two or more do
    Unknown,  // the guess budget ran out first
};

// Counts the complete, correct grids that keep every digit of `digits`, stopping at two.
// Each guess spends one unit of `budget`; at zero the count gives up with Unknown. `found`
// receives the first complete grid met, whenever the answer is One or Several.
Completions CountCompletions(const DigitGrid& digits, int64_t& budget, DigitGrid& found);

}  // namespace ninefold
