// Facts about 81-character grid lines, checked from the rules alone, for tests that must
// not trust the engine to judge its own results.
#pragma once

#include <set>
#include <string_view>

namespace ninefold::test {

// Every row, column and box holds the digits 1–9 once each.
inline bool IsValidSolution(std::string_view grid) {
    if (grid.size() != 81) {
        return false;
    }
    for (int unit = 0; unit < 9; ++unit) {
        std::set<char> row, column, box;
        for (int k = 0; k < 9; ++k) {
            row.insert(grid[9 * unit + k]);
            column.insert(grid[9 * k + unit]);
            box.insert(grid[27 * (unit / 3) + 3 * (unit % 3) + 9 * (k / 3) + k % 3]);
        }
        for (const auto* digits : {&row, &column, &box}) {
            if (digits->size() != 9 || *digits->begin() != '1' || *digits->rbegin() != '9') {
                return false;
            }
        }
    }
    return true;
}

// Every digit of the puzzle stands in the same place in the grid.
inline bool KeepsGivens(std::string_view puzzle, std::string_view grid) {
    for (std::size_t i = 0; i < 81; ++i) {
        if (puzzle[i] >= '1' && puzzle[i] <= '9' && puzzle[i] != grid[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace ninefold::test
