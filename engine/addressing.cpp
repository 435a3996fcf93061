// The unit table, built once from the numbering rules.
#include "engine/addressing.h"

namespace ninefold {

namespace {

std::array<Unit, 27> buildUnits() {
    std::array<Unit, 27> units{};
    for (int i = 1; i <= 9; ++i) {
        for (int j = 1; j <= 9; ++j) {
            units[i - 1][j - 1] = CellIndex(i, j);
            units[9 + i - 1][j - 1] = CellIndex(j, i);
            units[18 + i - 1][j - 1] = BoxCells(i, j);
        }
    }
    return units;
}

}  // namespace

const std::array<Unit, 27>& AllUnits() {
    static const std::array<Unit, 27> units = buildUnits();
    return units;
}

}  // namespace ninefold
