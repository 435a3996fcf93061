// ninefold-cli rate and explain: the line formats to the character, puzzles without one
// solution, and the exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/cli/cli_process.h"
#include "tests/engine/fixtures.h"

namespace ninefold {
namespace {

using test::CliFolder;
using test::CliRun;

const std::string kEasy{test::kEasyPuzzle};
const std::string kHard =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
const std::string kNoSolution =
    "4.....8.5.3......1...7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
const std::string kEmpty(81, '.');
// The solved grid with its first cell empty: one full house finishes it.
const std::string kOneGap = "." + std::string(test::kSolvedGrid.substr(1));

TEST(CliRate, OneLinePerPuzzle) {
    CliFolder folder;
    folder.Write("p.txt", kEasy + "\n" + kHard + "\n" + kNoSolution + "\n" + kEmpty + "\n");
    const CliRun run = folder.Run({"rate", "p.txt"});
    EXPECT_EQ(run.out, kEasy + " 1.2/1.2/1.2 easy\n" + kHard + " 2.6/1.2/1.2 hard\n" + kNoSolution +
                           " no-solution\n" + kEmpty + " multiple-solutions\n");
    EXPECT_EQ(run.status, 1);
    const CliRun rated = folder.Run({"rate"}, kEasy + "\n" + kOneGap + "\n");
    EXPECT_EQ(rated.out, kEasy + " 1.2/1.2/1.2 easy\n" + kOneGap + " 1.0/1.0/1.0 easy\n");
    EXPECT_EQ(rated.status, 0);
}

TEST(CliExplain, NumberedStepsThenTheRating) {
    CliFolder folder;
    const CliRun run = folder.Run({"explain"}, kOneGap + "\n" + kEmpty + "\n");
    EXPECT_EQ(run.out, kOneGap +
                           "\n1. Look at row 1: a full house.\n   Full house: row 1, column 1 is the "
                           "last empty cell of row 1, so "
                           "it takes 1.\nRating: 1.0/1.0/1.0 easy\n\n" +
                           kEmpty + " multiple-solutions\n\n");
    EXPECT_EQ(run.status, 1);
}

TEST(CliExplain, JsonObjectPerPuzzle) {
    CliFolder folder;
    const std::string pointing =
        "4...3.......6..8..........1....5..9..8....6...7.2........1927..5.3....4.9.7.4....";
    const CliRun run =
        folder.Run({"explain", "--json"}, kOneGap + "\n" + kNoSolution + "\n" + pointing + "\n");
    const std::string first =
        "{\"puzzle\": \"" + kOneGap +
        "\", \"status\": \"solved\", \"rating\": {\"er\": 1.0, \"ep\": 1.0, \"ed\": 1.0, "
        "\"level\": \"easy\"}, \"steps\": [{\"technique\": \"Full house\", \"weight\": 1.0, "
        "\"clue\": \"Look at row 1: a full house.\", \"text\": \"Full house: row 1, column 1 is the last empty cell of row 1, so it takes "
        "1.\", \"place\": [[1, 1]], \"eliminate\": [], \"cells\": [1]}]}\n";
    const std::string second = "{\"puzzle\": \"" + kNoSolution +
                               "\", \"status\": \"no-solution\", \"rating\": null, "
                               "\"steps\": []}\n";
    ASSERT_TRUE(run.out.starts_with(first + second)) << run.out;
    const std::string third = run.out.substr(first.size() + second.size());
    EXPECT_NE(third.find("{\"technique\": \"Pointing\", \"weight\": 2.6, "), std::string::npos);
    // The cells the pointing rests on: those of box 4 that hold 5, all in column 3.
    EXPECT_NE(third.find("\"place\": [], \"eliminate\": [[3, 5], [12, 5], [21, 5]], "
                         "\"cells\": [39, 48]}"),
              std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3);
    EXPECT_EQ(run.status, 1);
}

}  // namespace
}  // namespace ninefold
