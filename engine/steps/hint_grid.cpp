// The working grid of the step solver.
#include "engine/steps/hint_grid.h"

namespace ninefold::steps {

HintGrid HintGrid::FromDigits(const DigitGrid& digits) {
    HintGrid grid;
    grid.digits = digits;
    for (int c = 1; c <= kCellCount; ++c) {
        if (digits[c] != 0) {
            continue;
        }
        uint16_t taken = 0;
        for (const uint8_t p : kPeers[c]) {
            taken |= Bit(digits[p]);
        }
        grid.masks[c] = static_cast<uint16_t>(kAllDigits & ~taken);
    }
    return grid;
}

void HintGrid::Place(int cell, int digit) {
    digits[cell] = static_cast<uint8_t>(digit);
    masks[cell] = 0;
    for (const uint8_t p : kPeers[cell]) {
        Eliminate(p, digit);
    }
}

bool HintGrid::Solved() const {
    for (int c = 1; c <= kCellCount; ++c) {
        if (digits[c] == 0) {
            return false;
        }
    }
    return true;
}

uint16_t HintGrid::Positions(int unit, int digit) const {
    uint16_t positions = 0;
    const Unit& cells = kUnits[unit];
    for (int k = 0; k < 9; ++k) {
        if (Has(cells[k], digit)) {
            positions |= static_cast<uint16_t>(1U << k);
        }
    }
    return positions;
}

}  // namespace ninefold::steps
