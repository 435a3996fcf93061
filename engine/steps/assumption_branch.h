// What assuming one digit in one cell forces when only singles are followed: the grid it
// leads to, when each candidate left, and whether it ran into a contradiction.
#pragma once

#include <array>
#include <cstdint>

#include "engine/steps/hint_grid.h"

namespace ninefold::steps {

struct AssumptionBranch {
    HintGrid grid;
    // removedAt[cell * 10 + digit]: after how many placements the candidate left (0: never).
    std::array<uint8_t, (kCellCount + 1) * 10> removedAt{};
    int placements = 0;          // placements made, the assumed one included
    bool contradiction = false;  // a cell without candidates or a digit without a place

    // The candidates a cell ends with, a placed digit counting as its only candidate.
    uint16_t Outcome(int cell) const {
        return grid.digits[cell] != 0 ? Bit(grid.digits[cell]) : grid.masks[cell];
    }
};

// Places the digit in the cell, then naked and hidden singles until none is left or a
// contradiction is met.
AssumptionBranch FollowAssumption(const HintGrid& grid, int cell, int digit);

}  // namespace ninefold::steps
