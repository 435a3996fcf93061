// Proofs that a digit of the search leads nowhere, by counting the board's solutions.
#include "engine/branch_pruner.h"

#include <algorithm>

namespace ninefold {

namespace {

// Every digit of the board stands in the grid.
bool agrees(const DigitGrid& digits, const DigitGrid& grid) {
    bool same = true;
    for (int c = 1; c <= kCellCount; ++c) {
        same &= digits[c] == 0 || digits[c] == grid[c];
    }
    return same;
}

}  // namespace

bool BranchPruner::ProvenEmpty(const Board& board, int cell, int digit) {
    if (!enabled_ || !counting_) {
        return false;
    }
    if (unique_) {
        return witness_[cell] != digit;
    }
    // The top level's cell may still hold a digit that failed; the count puts this one.
    DigitGrid digits = DigitsOf(std::span(board.Cells).subspan<1>());
    digits[cell] = static_cast<uint8_t>(digit);
    if (hasWitness_ && witness_[cell] == digit && agrees(digits, witness_)) {
        return false;
    }
    return classify(digits) == Solutions::None;
}

void BranchPruner::BackedUp() {
    unique_ = false;
    if (backUpsToWait_ > 0) {
        --backUpsToWait_;
    }
    counting_ = backUpsToWait_ == 0;
}

Solutions BranchPruner::classify(const DigitGrid& digits) {
    DigitGrid found;
    const Solutions count = ClassifySolutions(digits, budget_, found);
    if (count == Solutions::One || count == Solutions::Several) {
        witness_ = found;
        hasWitness_ = true;
        unique_ = count == Solutions::One;
    }
    if (count == Solutions::Unknown) {
        // A board too hard to count: leave it to the search for a while, longer each time,
        // so that counts that give up cannot slow every tried digit down.
        counting_ = false;
        backUpsToWait_ = nextWait_;
        nextWait_ = std::min<int64_t>(2 * nextWait_, int64_t{1} << 20);
    }
    return count;
}

}  // namespace ninefold
