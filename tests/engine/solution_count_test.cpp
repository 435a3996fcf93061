// Counting solutions against counts known without the engine: a full grid, grids with
// swappable digit rectangles emptied, the empty board, contradictions, and a larger count;
// and the judgement the search's pruning asks for, with its budget and its first grid.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/board_text.h"
#include "engine/solution_count.h"
#include "tests/engine/fixtures.h"

namespace ninefold {
namespace {

// The solved grid with cells emptied, each given as (row, column) from 0.
std::string solvedWithout(std::initializer_list<std::pair<int, int>> cells) {
    std::string line(test::kSolvedGrid);
    for (const auto& [row, column] : cells) {
        line[9 * row + column] = '.';
    }
    return line;
}

// In the solved grid rows 1 and 4 swap 1 and 2 in columns 1 and 2, and rows 2 and 5 swap
// them in columns 7 and 8: each emptied rectangle fits two ways, and they share no unit.
const std::string kOneRectangle = solvedWithout({{0, 0}, {0, 1}, {3, 0}, {3, 1}});
const std::string kTwoRectangles =
    solvedWithout({{0, 0}, {0, 1}, {3, 0}, {3, 1}, {1, 6}, {1, 7}, {4, 6}, {4, 7}});

struct CountCase {
    const char* what;
    std::string puzzle;
    uint64_t limit;
    uint64_t expected;
};

TEST(CountSolutions, KnownCounts) {
    const std::string empty(81, '.');
    const std::vector<CountCase> cases = {
        {"complete grid", std::string(test::kSolvedGrid), 2, 1},
        {"one rectangle, limit reached", kOneRectangle, 2, 2},
        {"one rectangle, exact", kOneRectangle, 5, 2},
        {"two rectangles, exact", kTwoRectangles, 10, 4},
        {"two rectangles, limit reached", kTwoRectangles, 3, 3},
        {"empty board", empty, 2, 2},
        {"empty board, limit 1", empty, 1, 1},
        {"limit 0 counts nothing", std::string(test::kSolvedGrid), 0, 0},
        // Filling one hidden single of a unit forces another of its hidden singles into place
        // before the sweep reaches it.
        {"hard puzzle, unique",
         "4...7.1....19.46.5.....1......7....2..2.3....847..6....14...8.6.2....3..6...9....", 2, 1},
        {"clashing givens", "5...5" + std::string(76, '.'), 2, 0},
        {"clash in a complete grid", "2" + std::string(test::kSolvedGrid).substr(1), 2, 0},
        {"dead cell", "12345678." + std::string(18, '.') + "........9" + std::string(45, '.'), 2,
         0},
        // One wrong given: no clash and no dead cell, yet no solution.
        {"no solution",
         "4.....8.5.3......1...7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......", 2, 0},
        // Counted by a separate solver.
        {"many solutions",
         "8.........95.......76.........426798...571243...893165......916....3.487....1.532", 1000,
         872},
    };
    for (const CountCase& c : cases) {
        EXPECT_EQ(CountSolutions(*ParseBoardLine(c.puzzle), c.limit), c.expected) << c.what;
    }
    // A digit above 9 is an empty cell, not a clash.
    CellGrid outOfRange = *ParseBoardLine(test::kSolvedGrid);
    outOfRange[40].Digit = 12;
    EXPECT_EQ(CountSolutions(outOfRange, 2), 1U);
}

TEST(ClassifySolutions, TellsNoneOneOrSeveralAndGivesUpOnItsBudget) {
    const auto digitsOf = [](std::string_view line) { return DigitsOf(*ParseBoardLine(line)); };
    struct Case {
        std::string_view puzzle;
        Solutions count;
    };
    const std::string twoSixesInBox1 = "6.........6" + std::string(70, '.');
    const std::string empty(81, '.');
    const Case cases[] = {
        {test::kEasyPuzzle, Solutions::One},
        {test::kSolvedGrid, Solutions::One},
        {"4.....8.5.3......1...7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......",
         Solutions::None},
        {twoSixesInBox1, Solutions::None},
        {empty, Solutions::Several},
    };
    for (const Case& c : cases) {
        int64_t budget = 100000;
        DigitGrid found{};
        EXPECT_EQ(ClassifySolutions(digitsOf(c.puzzle), budget, found), c.count) << c.puzzle;
        if (c.count == Solutions::One) {
            std::string grid;
            for (int c = 1; c <= kCellCount; ++c) {
                grid += static_cast<char>('0' + found[c]);
            }
            EXPECT_EQ(grid, c.puzzle == test::kEasyPuzzle ? test::kEasySolution : c.puzzle);
        }
    }
    int64_t none = 0;
    DigitGrid found{};
    EXPECT_EQ(ClassifySolutions(digitsOf(empty), none, found), Solutions::Unknown);
}

}  // namespace
}  // namespace ninefold
