// Ratings against the public rater that carries the scale: on a sample of its figures for the
// shared puzzle files, the level and, below 5.0 where the techniques are the scale's own, the
// ER itself. bench/rate_bench.sh prints the same figures over the whole files.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "engine/steps/puzzle_rating.h"

namespace ninefold::steps {
namespace {

TEST(ReferenceAgreement, LevelsAndTheScalesErBelowFive) {
    std::ifstream file(NINEFOLD_REFERENCE_RATINGS);
    ASSERT_TRUE(file) << NINEFOLD_REFERENCE_RATINGS;
    int puzzles = 0;
    int sameLevel = 0;
    int below = 0;
    int near = 0;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        std::string puzzle;
        double er = 0;
        fields >> puzzle >> er;
        DigitGrid digits{};
        for (int c = 1; c <= kCellCount; ++c) {
            digits[c] = puzzle[c - 1] == '.' ? 0 : static_cast<uint8_t>(puzzle[c - 1] - '0');
        }
        const Rating ours = ExplainPuzzle(digits).rating;
        const int theirs = static_cast<int>(er * 10 + 0.5);
        ++puzzles;
        sameLevel += std::string(ours.level) == LevelOf(theirs) ? 1 : 0;
        if (theirs < 50) {
            ++below;
            near += std::abs(ours.er - theirs) <= 2 ? 1 : 0;
        }
    }
    ASSERT_GT(below, 0);
    EXPECT_GE(sameLevel * 100, puzzles * 95) << sameLevel << " of " << puzzles;
    EXPECT_GE(near * 100, below * 90) << near << " of " << below;
}

}  // namespace
}  // namespace ninefold::steps
