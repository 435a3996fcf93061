// One step of the step solver: the technique, its weight, its sentence, and the digits it
// places and the candidates it removes, cells numbered 1-81 row by row.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/steps/technique_table.h"

namespace ninefold::steps {

struct CellDigit {
    uint8_t cell;  // 1-81
    uint8_t digit;
    bool operator==(const CellDigit&) const = default;
};

// Where a clue sends the player: a unit (0-26), or for a pattern of one digit that digit.
struct Look {
    int unit = -1;
    int digit = 0;
};

struct Step {
    Technique technique = Technique::FullHouse;
    int weight = 0;  // tenths
    std::string text;
    std::vector<CellDigit> place;
    std::vector<CellDigit> eliminate;
    Look look;  // unset: the box of the first cell the step changes
    // The cells the step rests on (a single's cell, the locked cells, a set, a fish's base
    // cells, a wing's pivot and pincers, a chain), 1-81, for a viewer to mark.
    std::vector<int> cells;
};

}  // namespace ninefold::steps
