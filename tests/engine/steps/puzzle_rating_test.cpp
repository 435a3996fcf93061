// Whole puzzles through the step solver: every step agrees with the one solution and the
// steps fill the grid, the three figures and the level, and the game's hint with its
// refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/board_text.h"
#include "engine/solution_count.h"
#include "engine/steps/hint.h"
#include "engine/steps/puzzle_rating.h"
#include "tests/engine/fixtures.h"

namespace ninefold::steps {
namespace {

DigitGrid digitsOf(std::string_view line) {
    DigitGrid digits{};
    for (int c = 1; c <= kCellCount; ++c) {
        digits[c] = line[c - 1] == '.' ? 0 : static_cast<uint8_t>(line[c - 1] - '0');
    }
    return digits;
}

// Easy, hard and hardest puzzles from the shared files: between them they need every kind
// of step, trial by search included.
constexpr const char* kSample[] = {
    test::kEasyPuzzle.data(),
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......",
    "..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9",
    ".......12........3..23..4....18....5.6..7.8.......9.....85.....9...4.5..47...6...",
    "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1",
    "........8..3...4...9..2..6.....79.......612...6.5.2.7...8...5...1.....2.4.5.....3",
    "..2...7...1.....6.5......18....37.......49.....41.23....3.2.9...8.....5.6.......2",
    "................12..3.45...........4...62.....7....53....1...8...4..3....65......",
};

TEST(PuzzleRating, EveryStepAgreesWithTheSolutionAndTheStepsFillTheGrid) {
    for (const char* puzzle : kSample) {
        SCOPED_TRACE(puzzle);
        const DigitGrid digits = digitsOf(puzzle);
        DigitGrid solution{};
        ASSERT_EQ(JudgeSolutions(digits, solution), Solutions::One);
        const Explanation e = ExplainPuzzle(digits);
        ASSERT_EQ(e.status, Solutions::One);
        DigitGrid filled = digits;
        for (const Step& step : e.steps) {
            ASSERT_TRUE(!step.place.empty() || !step.eliminate.empty()) << step.text;
            ASSERT_TRUE(step.text.ends_with(".")) << step.text;
            for (const CellDigit& p : step.place) {
                ASSERT_EQ(solution[p.cell], p.digit) << step.text;
                filled[p.cell] = p.digit;
            }
            for (const CellDigit& x : step.eliminate) {
                ASSERT_NE(solution[x.cell], x.digit) << step.text;
            }
        }
        EXPECT_EQ(filled, solution);
    }
}

Step weighing(int weight, bool places) {
    Step step;
    step.weight = weight;
    if (places) {
        step.place.push_back({1, 1});
    }
    return step;
}

TEST(PuzzleRating, FiguresAndLevel) {
    struct Row {
        std::vector<Step> steps;
        int er, ep, ed;
        const char* level;
    };
    const Row rows[] = {
        // EP counts the first placing step itself, and nothing after it.
        {{weighing(26, false), weighing(17, true), weighing(70, true)}, 70, 26, 26, "diabolical"},
        {{weighing(12, true), weighing(34, false), weighing(15, true)}, 34, 12, 12, "hard"},
        {{weighing(10, true), weighing(14, true)}, 14, 10, 10, "easy"},
        {{weighing(15, true)}, 15, 15, 15, "medium"},
        {{weighing(24, true)}, 24, 24, 24, "medium"},
        {{weighing(25, true)}, 25, 25, 25, "hard"},
        {{weighing(49, true)}, 49, 49, 49, "hard"},
        {{weighing(50, true)}, 50, 50, 50, "diabolical"},
    };
    for (const Row& row : rows) {
        const Rating r = RateSteps(row.steps);
        EXPECT_EQ(r.er, row.er);
        EXPECT_EQ(r.ep, row.ep);
        EXPECT_EQ(r.ed, row.ed);
        EXPECT_STREQ(r.level, row.level) << row.er;
    }
}

TEST(PuzzleRating, PuzzlesWithoutOneSolutionGetNoSteps) {
    const std::string clash = "55" + std::string(79, '.');
    EXPECT_EQ(ExplainPuzzle(digitsOf(clash)).status, Solutions::None);
    const Explanation several = ExplainPuzzle(digitsOf(std::string(81, '.')));
    EXPECT_EQ(several.status, Solutions::Several);
    EXPECT_TRUE(several.steps.empty());
}

TEST(NextHint, StepsUpToADigitOrWhyThereIsNone) {
    // A hard puzzle with one wrong given that clashes with nothing.
    const std::string wrong =
        "4.....8.5.3......1...7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
    struct Row {
        std::string board;
        HintKind kind;
        std::string start;  // the whole text for a refusal
        std::string end;
        std::string clue;
        int focus;
    };
    const Row rows[] = {
        {std::string(test::kEasyPuzzle), HintKind::Step,
         "Hidden single: 6 can go only in row 2, column 2 within box 1.", "",
         "Look at box 1: a hidden single.", 11},
        // It starts with a pointing, which writes no digit: the hint goes on to the first that
        // does, and the frame goes there.
        {"4...7.1....19.46.5.....1......7....2..2.3....847..6....14...8.6.2....3..6...9....",
         HintKind::Step,
         "Pointing: in box 4, the digit 3 lies only in row 4, so 3 leaves row 4, column 8.",
         " Then naked single: row 4, column 7 can hold only 4.", "Look at box 4: a pointing.", 34},
        {"5...5" + std::string(76, '.'), HintKind::Clash,
         "Some digits clash: 5 repeats in row 1, columns 1 and 5.", "", "", 1},
        {"5.........5" + std::string(70, '.'), HintKind::Clash,
         "Some digits clash: 5 repeats in box 1: row 1, column 1 and row 2, column 2.", "", "", 1},
        {wrong, HintKind::NoSolution, "No solution keeps the digits on the board.", "", "", 0},
        {std::string(81, '.'), HintKind::SeveralSolutions,
         "The digits on the board allow more than one solution, so no step follows from them.", "",
         "", 0},
        {std::string(test::kSolvedGrid), HintKind::Complete,
         "Every cell is filled: there is no step left.", "", "", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.board);
        const Board board = test::BoardFrom(row.board);
        const Hint hint = NextHint(board);
        EXPECT_EQ(hint.kind, row.kind);
        EXPECT_TRUE(hint.text.starts_with(row.start)) << hint.text;
        EXPECT_TRUE(hint.text.ends_with(row.end.empty() ? row.start : row.end)) << hint.text;
        EXPECT_EQ(hint.clue, row.clue.empty() ? hint.text : row.clue);
        EXPECT_EQ(hint.focusCell, row.focus);
        EXPECT_EQ(BoardToLine(board), row.board.substr(0, 81));
    }
}

// A digit of the player's that clashes with nothing but leaves no solution is named, as the
// first one in cell order that differs from the givens' solution.
TEST(NextHint, NamesTheFirstWrongPlayerDigit) {
    Board board = test::BoardFrom(test::kEasyPuzzle);
    DigitGrid solution{};
    ASSERT_EQ(JudgeSolutions(digitsOf(test::kEasyPuzzle), solution), Solutions::One);
    const HintGrid grid = HintGrid::FromDigits(digitsOf(test::kEasyPuzzle));
    std::vector<int> wrongCells;
    for (int c = 1; c <= kCellCount && wrongCells.size() < 2; ++c) {
        for (int d = 1; d <= 9; ++d) {
            if (grid.Has(c, d) && d != solution[c]) {
                board.Cells[c] = {static_cast<uint8_t>(d), false};
                wrongCells.push_back(c);
                break;
            }
        }
    }
    ASSERT_EQ(wrongCells.size(), 2U);
    const Hint hint = NextHint(board);
    const int first = wrongCells.front();
    EXPECT_EQ(hint.kind, HintKind::NoSolution);
    EXPECT_EQ(hint.text, "The " + std::to_string(board.Cells[first].Digit) + " in row " +
                             std::to_string((first - 1) / 9 + 1) + ", column " +
                             std::to_string((first - 1) % 9 + 1) + " cannot be right.");
    EXPECT_EQ(hint.focusCell, first);
}

}  // namespace
}  // namespace ninefold::steps
