// The generator: the band rules for the digits a cell may take, reproducible attempts from
// a seed or a scripted source, the retry count and its message.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <string>

#include "engine/board_text.h"
#include "engine/conflicts.h"
#include "engine/deduction.h"
#include "engine/game_commands.h"
#include "engine/generator.h"
#include "tests/engine/fixtures.h"
#include "tests/engine/grid_facts.h"

namespace ninefold {
namespace {

// Hands out the numbers it was given, then keeps repeating the last; counts what it gave.
class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(std::deque<double> numbers) : numbers_(std::move(numbers)) {}
    double Next() override {
        ++drawn;
        const double r = numbers_.front();
        if (numbers_.size() > 1) {
            numbers_.pop_front();
        }
        return r;
    }
    int drawn = 0;

  private:
    std::deque<double> numbers_;
};

uint16_t maskOf(const std::string& digits) {
    uint16_t mask = 0;
    for (char ch : digits) {
        mask |= static_cast<uint16_t>(1U << (ch - '0'));
    }
    return mask;
}

// Row 1's cells get the candidate sets given, one text per column; other rows are unused.
Board rowWithCandidates(const std::array<std::string, 9>& columns) {
    Board board;
    for (int c = 1; c <= 9; ++c) {
        board.Candidates.SetMask(c, maskOf(columns[c - 1]));
    }
    return board;
}

TEST(BandCandidates, BandRules) {
    struct Case {
        const char* what;
        std::array<std::string, 9> row;
        int column;
        std::array<std::string, 3> expected;
    };
    const Case cases[] = {
        {"band 2 cell gives up the three digits band 3 needs",
         {"1", "3", "6", "2458", "", "", "25", "8", "5"},
         4,
         {"136", "4", "258"}},
        {"a fourth digit in band 3 restricts nothing",
         {"1", "3", "6", "2458", "", "", "25", "8", "59"},
         4,
         {"136", "2458", "2589"}},
        {"band 3 keeps its own candidates",
         {"12", "12", "12", "34", "34", "34", "1234", "", ""},
         7,
         {"12", "34", "1234"}},
        {"band 1 loses what bands 2 and 3 need",
         {"123456789", "", "", "4", "5", "", "7", "", ""},
         1,
         {"123689", "45", "7"}},
        {"band 2 at most 3 only after band 3 took its digits",
         {"12345", "", "", "1234", "", "", "34", "", ""},
         1,
         {"5", "12", "34"}},
        {"other bands list digits in the order they first appear",
         {"", "", "9", "5", "2", "", "", "", ""},
         3,
         {"9", "52", ""}},
        {"no candidate at all gives empty texts",
         {"", "", "", "", "", "", "", "", ""},
         5,
         {"", "", ""}},
    };
    for (const Case& c : cases) {
        const Board board = rowWithCandidates(c.row);
        EXPECT_EQ(BandCandidates(board, 1, c.column), c.expected) << c.what;
    }
}

TEST(GeneratePuzzle, FirstCellTakesFloorOfNineRPlusOne) {
    for (const double r : {0.0, 0.11, 0.5, 0.999999}) {
        Board board;
        test::RecordingPainter painter;
        board.SetPainter(&painter);
        ScriptedRandom random({r, 0.3});
        GeneratePuzzle(board, random);
        const auto first = std::find_if(painter.calls.begin(), painter.calls.end(),
                                        [](const auto& call) { return call.cell.Digit != 0; });
        ASSERT_NE(first, painter.calls.end());
        EXPECT_EQ(first->index, 1);
        EXPECT_EQ(first->cell.Digit, static_cast<int>(std::floor(9 * r)) + 1) << r;
        EXPECT_TRUE(first->cell.Fixed);
    }
}

TEST(GeneratePuzzle, ScriptedSourceGivesTheSameGridTwice) {
    const std::deque<double> script = {0.25, 0.9, 0.1, 0.6, 0.35, 0.8, 0.05, 0.45, 0.7};
    Board first, second;
    ScriptedRandom a(script), b(script);
    GeneratePuzzle(first, a);
    GeneratePuzzle(second, b);
    EXPECT_EQ(first.ReadCells(), second.ReadCells());
    EXPECT_EQ(a.drawn, b.drawn);
}

TEST(GeneratePuzzle, EmptyChoiceStillDrawsItsNumber) {
    // r_k = 18k mod 1009 / 1009: the first attempt meets a cell with nothing to choose from
    // and fails; each such cell uses up a number like any other choice.
    std::deque<double> script;
    for (int k = 1; k <= 200; ++k) {
        script.push_back(static_cast<double>(k * 18 % 1009) / 1009.0);
    }
    ScriptedRandom random(script);
    Board board;
    const GenerateResult result = GeneratePuzzle(board, random);
    EXPECT_EQ(GivensToLine(board),
              "87695432.95432.67.12.67.45.2314658..5672...3..8.1..2..6457....37...9.............");
    EXPECT_EQ(BoardToLine(board),
              "876954321954321678123678459231465897567289134489137265645712983712893546398546712");
    EXPECT_EQ(result.retries, 1);
    EXPECT_EQ(random.drawn, 88);
}

TEST(GeneratePuzzle, GivensAloneRebuildTheWholeGrid) {
    for (uint64_t seed : {1ULL, 2ULL, 77ULL, 123456789ULL}) {
        Board board;
        SeededRandom random(seed);
        GeneratePuzzle(board, random);
        const std::string solution = BoardToLine(board);
        ASSERT_TRUE(test::IsValidSolution(solution)) << seed;
        for (int i = 1; i <= kCellCount; ++i) {
            ASSERT_EQ(board.Background(i), BackColour::White);
        }
        ClearBlueNumbers(board);
        EXPECT_EQ(BoardToLine(board), GivensToLine(board)) << "only the givens remain";
        FillForcedCells(board);
        EXPECT_EQ(BoardToLine(board), solution) << seed;
    }
}

TEST(GeneratePuzzle, SameSeedSameLines) {
    auto run = [](uint64_t seed) {
        SeededRandom random(seed);
        std::string lines;
        Board board;
        for (int i = 0; i < 3; ++i) {
            const GenerateResult result = GeneratePuzzle(board, random);
            lines += GivensToLine(board) + " " + BoardToLine(board) + " " +
                     std::to_string(result.retries) + "\n";
        }
        return lines;
    };
    EXPECT_EQ(run(42), run(42));
    EXPECT_NE(run(42), run(43));
}

// Splits the writes into attempts (each opens by emptying cells 1–81 in order) and counts,
// per attempt, the cells written empty because nothing was left to choose from.
class AttemptRecorder : public CellPainter {
  public:
    void PaintCell(int index, const CellState& cell, BackColour) override {
        if (clearing_ > 0) {
            --clearing_;
        } else if (index == 1 && cell.Digit == 0) {
            clearing_ = kCellCount - 1;
            emptyChoices.push_back(0);
        } else if (cell.Digit == 0) {
            ++emptyChoices.back();
        }
    }
    std::vector<int> emptyChoices;  // one entry per attempt

  private:
    int clearing_ = 0;
};

TEST(GeneratePuzzle, RetriesCountTheFailedAttempts) {
    int seedsWithRetries = 0;
    int emptyChoicesSeen = 0;
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        Board board;
        AttemptRecorder recorder;
        board.SetPainter(&recorder);
        SeededRandom random(seed);
        const GenerateResult result = GeneratePuzzle(board, random);
        ASSERT_EQ(result.retries + 1, static_cast<int64_t>(recorder.emptyChoices.size())) << seed;
        EXPECT_EQ(CountMissingDigits(board), 0) << seed;
        seedsWithRetries += result.retries > 0 ? 1 : 0;
        for (int n : recorder.emptyChoices) {
            emptyChoicesSeen += n;
        }
    }
    EXPECT_GT(seedsWithRetries, 0) << "some seed should need a second attempt";
    EXPECT_GT(emptyChoicesSeen, 0) << "a cell with nothing to choose is still written";
}

TEST(GenerateMessage, CountsAndPlurals) {
    EXPECT_EQ(GenerateMessage(-1), "Ready.");
    EXPECT_EQ(GenerateMessage(0), "Ready.");
    EXPECT_EQ(GenerateMessage(1), "1 Retry!");
    EXPECT_EQ(GenerateMessage(2), "2 Retries!");
    EXPECT_EQ(GenerateMessage(12), "12 Retries!");
    EXPECT_EQ(GenerateMessage(32768), "32768 Retries!") << "past a 16-bit counter";
    EXPECT_EQ(GenerateMessage(5000000000LL), "5000000000 Retries!");
}

TEST(SeededRandom, SameOnEveryPlatform) {
    // The 64-bit Mersenne Twister with its default seed gives 9981545732273789042 as its
    // 10000th number; the top 53 bits of it, scaled into [0, 1), must come out here.
    SeededRandom random(5489);
    double r = 0;
    for (int i = 0; i < 10000; ++i) {
        r = random.Next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
    EXPECT_EQ(r, static_cast<double>(9981545732273789042ULL >> 11) / 9007199254740992.0);
}

}  // namespace
}  // namespace ninefold
