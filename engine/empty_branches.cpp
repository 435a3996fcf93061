// Proofs that a digit of the search leads nowhere, by counting the board's completions.
#include "engine/empty_branches.h"

#include <algorithm>

namespace ninefold {

namespace {

DigitGrid digitsOf(const Board& board) {
    DigitGrid digits;
    for (int c = 1; c <= kCellCount; ++c) {
        digits[c - 1] = board.Cells[c].Digit;
    }
    return digits;
}

// Every digit of the board stands in the grid.
bool agrees(const DigitGrid& digits, const DigitGrid& grid) {
    bool same = true;
    for (int c = 0; c < kCellCount; ++c) {
        same &= digits[c] == 0 || digits[c] == grid[c];
    }
    return same;
}

}  // namespace

bool EmptyBranches::ProvenEmpty(const Board& board, int cell, int digit) {
    if (!enabled_ || !counting_) {
        return false;
    }
    if (unique_) {
        return witness_[cell - 1] != digit;
    }
    // The top level's cell may still hold a digit that failed; the count puts this one.
    DigitGrid digits = digitsOf(board);
    digits[cell - 1] = static_cast<uint8_t>(digit);
    if (hasWitness_ && witness_[cell - 1] == digit && agrees(digits, witness_)) {
        return false;
    }
    return countCompletions(digits) == Completions::None;
}

void EmptyBranches::BackedUp() {
    unique_ = false;
    if (backUpsToWait_ > 0) {
        --backUpsToWait_;
    }
    counting_ = backUpsToWait_ == 0;
}

Completions EmptyBranches::countCompletions(const DigitGrid& digits) {
    DigitGrid found;
    const Completions count = CountCompletions(digits, budget_, found);
    if (count == Completions::One || count == Completions::Several) {
        witness_ = found;
        hasWitness_ = true;
        unique_ = count == Completions::One;
    }
    if (count == Completions::Unknown) {
        // A board too hard to count: leave it to the search for a while, longer each time,
        // so that counts that give up cannot slow every tried digit down.
        counting_ = false;
        backUpsToWait_ = nextWait_;
        nextWait_ = std::min<int64_t>(2 * nextWait_, int64_t{1} << 20);
    }
    return count;
}

}  // namespace ninefold
