// Counting the ways a partly filled grid can be completed, up to a limit and with a bound on
// the work: the count command reports it, and the search uses it to pass over digits that
// provably lead to no complete grid.
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

struct CompletionCount {
    uint64_t count = 0;   // complete grids met, at most the limit
    bool gaveUp = false;  // the budget ran out first, so `count` is only a lower bound
};

// Counts the complete, correct grids that keep every digit of `digits` (one above 9 counts
// as an empty cell), stopping at `limit`; a limit of 0 counts nothing. Digits that clash
// count 0. Each guess spends one unit of `budget`; at zero the count gives up. `found`
// receives the first complete grid met.
CompletionCount CountCompletions(const DigitGrid& digits, uint64_t limit, int64_t& budget,
                                 DigitGrid& found);

// The same count stopped at two, as an answer: all that telling an empty branch from a
// promising one needs. `found` receives the first complete grid whenever it is One or Several.
Completions CountCompletions(const DigitGrid& digits, int64_t& budget, DigitGrid& found);

}  // namespace ninefold
