// The working grid of the step solver and its fixed tables.
#include "engine/hint_grid.h"

namespace ninefold::hints {

namespace {

HintTables buildTables() {
    HintTables t{};
    for (int i = 0; i < 9; ++i) {
        for (int k = 0; k < 9; ++k) {
            t.units[i][k] = static_cast<uint8_t>(i * 9 + k);
            t.units[9 + i][k] = static_cast<uint8_t>(k * 9 + i);
            t.units[18 + i][k] = static_cast<uint8_t>((i / 3 * 3 + k / 3) * 9 + i % 3 * 3 + k % 3);
        }
    }
    for (int c = 0; c < 81; ++c) {
        t.unitsOf[c] = {static_cast<uint8_t>(RowOf(c)), static_cast<uint8_t>(9 + ColumnOf(c)),
                        static_cast<uint8_t>(18 + BoxIndexOf(c))};
        int n = 0;
        for (int p = 0; p < 81; ++p) {
            if (Sees(c, p)) {
                t.peers[c][n++] = static_cast<uint8_t>(p);
            }
        }
    }
    return t;
}

}  // namespace

const HintTables& Tables() {
    static const HintTables tables = buildTables();
    return tables;
}

HintGrid HintGrid::FromDigits(const GridDigits& digits) {
    HintGrid grid;
    grid.digits = digits;
    for (int c = 0; c < 81; ++c) {
        if (digits[c] != 0) {
            continue;
        }
        uint16_t taken = 0;
        for (const uint8_t p : Tables().peers[c]) {
            taken |= Bit(digits[p]);
        }
        grid.masks[c] = static_cast<uint16_t>(kAllCandidates & ~taken);
    }
    return grid;
}

void HintGrid::Place(int cell, int digit) {
    digits[cell] = static_cast<uint8_t>(digit);
    masks[cell] = 0;
    for (const uint8_t p : Tables().peers[cell]) {
        Eliminate(p, digit);
    }
}

bool HintGrid::Solved() const {
    for (const uint8_t d : digits) {
        if (d == 0) {
            return false;
        }
    }
    return true;
}

uint16_t HintGrid::Positions(int unit, int digit) const {
    uint16_t positions = 0;
    const auto& cells = Tables().units[unit];
    for (int k = 0; k < 9; ++k) {
        if (Has(cells[k], digit)) {
            positions |= static_cast<uint16_t>(1U << k);
        }
    }
    return positions;
}

}  // namespace ninefold::hints
