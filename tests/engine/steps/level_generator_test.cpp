// Puzzles made to order: one solution, the one reported; minimal under the symmetry; rated at
// the level by the same rater; the same puzzle for the same seed; a cancel ends it cleanly.
#include <gtest/gtest.h>

#include <limits>

#include "engine/solution_count.h"
#include "engine/steps/level_generator.h"

namespace ninefold::steps {
namespace {

int mirrorOf(int cell, Symmetry symmetry) {
    return symmetry == Symmetry::Rotational ? kCellCount + 1 - cell : cell;
}

void expectSoundPuzzle(const LevelPuzzle& made, Level level, Symmetry symmetry) {
    DigitGrid found{};
    ASSERT_EQ(JudgeSolutions(made.givens, found), Solutions::One);
    EXPECT_EQ(found, made.solution);
    for (int c = 1; c <= kCellCount; ++c) {
        const int mirror = mirrorOf(c, symmetry);
        EXPECT_EQ(made.givens[c] != 0, made.givens[mirror] != 0) << "cell " << c;
        if (made.givens[c] == 0) {
            continue;
        }
        // Minimal: taking any given (with its mirror) away leaves several solutions.
        DigitGrid fewer = made.givens;
        fewer[c] = 0;
        fewer[mirror] = 0;
        EXPECT_EQ(JudgeSolutions(fewer, found), Solutions::Several) << "cell " << c << " can go";
    }
    const Explanation rated = ExplainPuzzle(made.givens);
    EXPECT_STREQ(rated.rating.level, LevelName(level));
    EXPECT_EQ(rated.rating.er, made.rating.er);
    EXPECT_EQ(rated.rating.ep, made.rating.ep);
    EXPECT_EQ(rated.rating.ed, made.rating.ed);
}

TEST(LevelGenerator, EveryLevelGivesAMinimalPuzzleRatedAtIt) {
    struct Row {
        Level level;
        Symmetry symmetry;
        uint64_t seed;
    };
    const Row rows[] = {
        {Level::Easy, Symmetry::Rotational, 1}, {Level::Medium, Symmetry::Rotational, 2},
        {Level::Hard, Symmetry::Rotational, 3}, {Level::Diabolical, Symmetry::Rotational, 4},
        {Level::Easy, Symmetry::None, 5},       {Level::Hard, Symmetry::None, 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(LevelName(row.level)) + " " + SymmetryName(row.symmetry));
        SeededRandom random(row.seed);
        const LevelPuzzle made = GenerateLevelPuzzle(row.level, row.symmetry, random);
        EXPECT_GE(made.tries, 1);
        expectSoundPuzzle(made, row.level, row.symmetry);

        SeededRandom again(row.seed);
        const LevelPuzzle repeat = GenerateLevelPuzzle(row.level, row.symmetry, again);
        EXPECT_EQ(repeat.givens, made.givens) << "the same seed, the same puzzle";
        EXPECT_EQ(repeat.tries, made.tries);
    }
}

// Without the half turn, some given has an empty mirror; otherwise the option would be idle.
TEST(LevelGenerator, WithoutSymmetrySomeGivenStandsAlone) {
    SeededRandom random(11);
    const LevelPuzzle made = GenerateLevelPuzzle(Level::Medium, Symmetry::None, random);
    bool alone = false;
    for (int c = 1; c <= kCellCount; ++c) {
        alone = alone || (made.givens[c] != 0 && made.givens[kCellCount + 1 - c] == 0);
    }
    EXPECT_TRUE(alone);
}

// Answers "stop" at its k-th poll; counts what the generator told it.
class StoppingHost : public SearchHost {
  public:
    explicit StoppingHost(int stopAt) : stopAt_(stopAt) {}
    void SearchStarting() override { ++starts; }
    bool PumpEvents() override {
        ++polls;
        return polls >= stopAt_;
    }
    void SearchEnded() override { ++ends; }
    int starts = 0;
    int polls = 0;
    int ends = 0;

  private:
    int stopAt_;
};

TEST(LevelGenerator, AStopEndsItWithNoPuzzleAtThePollThatAsks) {
    StoppingHost never(std::numeric_limits<int>::max());
    SeededRandom whole(3);
    ASSERT_TRUE(GenerateLevelPuzzle(Level::Hard, Symmetry::Rotational, whole, never));
    ASSERT_GT(never.polls, 4);
    // Up to the last poll, which comes before the kept puzzle's rating, a stop wins.
    for (const int stopAt : {1, 2, never.polls / 2, never.polls}) {
        SCOPED_TRACE(stopAt);
        StoppingHost host(stopAt);
        SeededRandom random(3);
        EXPECT_FALSE(GenerateLevelPuzzle(Level::Hard, Symmetry::Rotational, random, host));
        EXPECT_EQ(host.polls, stopAt) << "no work after the stop";
        EXPECT_EQ(host.starts, 1);
        EXPECT_EQ(host.ends, 1);
    }
}

}  // namespace
}  // namespace ninefold::steps
