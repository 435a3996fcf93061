// The search that passes over digits proven to lead nowhere against the search that tries
// every digit: the same grid, the same end, the same board when it runs dry or is refused,
// and still one pump per digit it does try.
#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

#include "engine/board_text.h"
#include "engine/candidates.h"
#include "engine/conflicts.h"
#include "engine/deduction.h"
#include "engine/generator.h"
#include "engine/solver.h"
#include "tests/engine/fixtures.h"

namespace ninefold {
namespace {

class CountingHost : public SearchHost {
  public:
    bool PumpEvents() override {
        ++pumps;
        return false;
    }
    uint64_t pumps = 0;
};

struct Outcome {
    std::string board;
    std::string givens;
    SolveOutcome outcome;
    SearchEnd end;
    PreSearchVerdict verdict;
    std::vector<BackColour> backs;
    uint64_t tried;
};

Outcome solve(Board board, Pruning pruning) {
    CountingHost host;
    const SolveResult result = SolveCommand(board, host, pruning);
    EXPECT_EQ(host.pumps, result.search.triedDigits) << "one pump per tried digit";
    Outcome outcome{BoardToLine(board),       GivensToLine(board),   result.outcome,
                    result.search.end,        result.search.verdict, {},
                    result.search.triedDigits};
    // Yellow marks are part of the outcome when the search is refused or finds a grid; an
    // exhausted search may have marked different cells on the way.
    if (result.search.end != SearchEnd::Exhausted) {
        for (int c = 1; c <= kCellCount; ++c) {
            outcome.backs.push_back(board.Background(c));
        }
    }
    return outcome;
}

// Returns how many fewer digits the pruned search tried.
uint64_t expectSameOutcome(const Board& start, const std::string& label) {
    const Outcome all = solve(start, Pruning::None);
    const Outcome pruned = solve(start, Pruning::ProvenEmptyBranches);
    EXPECT_EQ(pruned.board, all.board) << label;
    EXPECT_EQ(pruned.givens, all.givens) << label;
    EXPECT_EQ(pruned.outcome, all.outcome) << label;
    EXPECT_EQ(pruned.end, all.end) << label;
    EXPECT_EQ(pruned.verdict, all.verdict) << label;
    EXPECT_EQ(pruned.backs, all.backs) << label;
    EXPECT_LE(pruned.tried, all.tried) << label;
    return all.tried - pruned.tried;
}

TEST(SearchPruning, ChosenBoardsEndAsWithoutIt) {
    const std::string puzzles[] = {
        // One solution each, hard for a search that takes the lowest cell first.
        "..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9",
        ".......12........3..23..4....18....5.6..7.8.......9.....85.....9...4.5..47...6...",
        ".721....8.1...3.4.4..........7......8..5..7.1..1...26...6.78.......6.....5.2....7",
        // Many solutions: the smallest must win.
        "1........" + std::string(72, '.'),
        "....14....3....2...7..........9...3.6.1.............8.2.....1.4....5.6.....7.8...",
        "..3.2.6..9..3.5..1..1..64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..",
        // No solution, found only by searching (a wrong given).
        "4.....8.5.3......1...7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......",
        // Refused: a repeat, a dead cell.
        "5...5" + std::string(76, '.'),
        "12345678." + std::string(9, '.') + "........9" + std::string(54, '.'),
    };
    uint64_t spared = 0;
    for (const std::string& puzzle : puzzles) {
        spared += expectSameOutcome(test::BoardFrom(puzzle), puzzle);
    }
    EXPECT_GT(spared, 1000U) << "the hard boards should need far fewer tried digits";
    // A repeat marked yellow before the search, so no check counts it: the search fills the
    // board anyway, and no proof may skip its way to a different end.
    for (std::string_view puzzle :
         {"....14.1..3....2...7..........9...3.6.1.............8.2.....1.4....5.6.....7.8...",
          "1...14....3....2...7..........9...3.6.1.............8.2.....1.4....5.6.....7.8..."}) {
        Board board = test::BoardFrom(puzzle);
        FillForcedCells(board);
        MarkDuplicates(board);
        expectSameOutcome(board, std::string(puzzle));
    }
}

TEST(SearchPruning, RandomBoardsEndAsWithoutIt) {
    // Generated grids thinned at random, half of them given one wrong digit that clashes
    // with no other: boards with one, many or no solutions, and some that deduction alone
    // turns into a clash or a dead cell.
    SeededRandom random(20261207);
    int exhausted = 0;
    for (int round = 0; round < 300; ++round) {
        Board full;
        GeneratePuzzle(full, random);
        const std::string solution = BoardToLine(full);
        const bool wrongDigit = round % 2 == 0;
        const double keep = wrongDigit ? 0.3 : 0.25 + 0.01 * (round % 20);
        std::string line = solution;
        for (char& cell : line) {
            cell = random.Next() < keep ? cell : '.';
        }
        if (wrongDigit) {
            Board board = test::BoardFrom(line);
            ComputeCandidates(board);
            auto at = 1 + static_cast<int>(random.Next() * 81);
            while (line[at - 1] != '.') {
                at = at % kCellCount + 1;
            }
            const int right = solution[at - 1] - '0';
            const auto others = static_cast<uint16_t>(board.Candidates.Mask(at) & ~(1U << right));
            if (others != 0) {
                line[at - 1] = static_cast<char>('0' + std::countr_zero(others));
            }
        }
        const Board start = test::BoardFrom(line);
        Board probe = start;
        exhausted += SolveCommand(probe).search.end == SearchEnd::Exhausted ? 1 : 0;
        expectSameOutcome(start, line);
    }
    EXPECT_GE(exhausted, 5) << "too few boards without a solution to compare";
}

}  // namespace
}  // namespace ninefold
