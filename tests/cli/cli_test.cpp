// ninefold-cli's commands on real files: the output lines to the character, the exit
// status, puzzle files in and out, and reproducible generation.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/board_text.h"
#include "engine/deduction.h"
#include "engine/solver.h"
#include "files/puzzle_file.h"
#include "tests/cli/cli_process.h"
#include "tests/engine/fixtures.h"
#include "tests/engine/grid_facts.h"

namespace ninefold {
namespace {

using test::CliFolder;
using test::CliRun;

const std::string kEasy{test::kEasyPuzzle};
const std::string kEasySolution{test::kEasySolution};
constexpr const char* kHard =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
// The hard puzzle with one wrong given: neither clash nor dead cell, and no completion.
constexpr const char* kNoSolution =
    "4.....8.5.3......1...7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
const std::string kClash = "5...5" + std::string(76, '.');
const std::string kDeadCell =
    "12345678." + std::string(18, '.') + "........9" + std::string(45, '.');

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

// What the game's own Solve and deduction leave, for comparison with the tool's lines.
std::string solvedInProcess(const std::string& puzzle) {
    Board board;
    board.WriteCells(*ParseBoardLine(puzzle));
    SolveCommand(board);
    return BoardToLine(board);
}
std::string deducedInProcess(const std::string& puzzle) {
    Board board;
    board.WriteCells(*ParseBoardLine(puzzle));
    FillForcedCells(board);
    return BoardToLine(board);
}

TEST(CliSolve, OneLinePerPuzzleWithItsStatus) {
    CliFolder folder;
    folder.Write("puzzles.txt", std::string("# a comment\n\n") + kEasy + "\n" + kHard + "\r\n" +
                                    kClash + "\n   \n" + kDeadCell + "\n" + kNoSolution + "\n");
    const CliRun run = folder.Run({"solve", "puzzles.txt"});
    EXPECT_EQ(run.status, 1) << "not every puzzle was solved";
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 5U) << run.out;
    EXPECT_EQ(out[0], std::string(kEasySolution) + " solved");
    EXPECT_EQ(out[1], solvedInProcess(kHard) + " solved");
    EXPECT_TRUE(test::IsValidSolution(out[1].substr(0, 81)));
    EXPECT_TRUE(test::KeepsGivens(kHard, out[1]));
    EXPECT_EQ(out[2], deducedInProcess(kClash) + " clash");
    EXPECT_EQ(out[3], deducedInProcess(kDeadCell) + " dead-cell");
    EXPECT_EQ(out[4], deducedInProcess(kNoSolution) + " no-solution");
}

TEST(CliSolve, ReadsStandardInputAndSeveralFiles) {
    CliFolder folder;
    folder.Write("a.txt", std::string(kEasy) + "\n");
    folder.Write("b.txt", std::string(kHard));  // no final line break
    const std::string both =
        std::string(kEasySolution) + " solved\n" + solvedInProcess(kHard) + " solved\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"solve", "a.txt", "b.txt"},
          std::vector<std::string>{"solve", "a.txt", "-"}, std::vector<std::string>{"solve"}}) {
        const std::string input = args.size() == 1 ? std::string(kEasy) + "\n" + kHard : kHard;
        const CliRun run = folder.Run(args, input);
        EXPECT_EQ(run.status, 0) << args.size();
        EXPECT_EQ(run.out, both) << args.size();
    }
}

TEST(CliSolve, LineFormsThatAreAccepted) {
    CliFolder folder;
    std::string zeros(kEasy);
    for (char& ch : zeros) {
        ch = ch == '.' ? '0' : ch;
    }
    folder.Write("forms.txt", zeros + "\n" + kEasy + " trailing words are ignored\n" +
                                  "  # an indented comment\n");
    const CliRun run = folder.Run({"solve", "forms.txt"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, std::string(kEasySolution) + " solved\n" + kEasySolution + " solved\n");
}

TEST(CliDeduce, BoardAfterForcedCellsOnly) {
    CliFolder folder;
    folder.Write("p.txt", std::string(kEasy) + "\n" + kHard + "\n");
    const CliRun run = folder.Run({"deduce", "p.txt"});
    EXPECT_EQ(run.out, std::string(kEasySolution) + "\n" + deducedInProcess(kHard) + "\n");
    EXPECT_EQ(run.status, 1) << "the hard puzzle stays incomplete";
    EXPECT_EQ(folder.Run({"deduce"}, kEasy).status, 0);
}

TEST(CliCheck, ReportAndMarksAsJson) {
    CliFolder folder;
    folder.Write("c.txt", kClash + "\n" + kEasySolution + "\n");
    const CliRun run = folder.Run({"check", "c.txt"});
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 2U);
    EXPECT_TRUE(out[0].starts_with(
        "{\"text\": \"1- 2 errors found in entries!\\r\\n2- No logical error found.\\r\\n"
        "3- Correct this errors:\\r\\n\\r\\nError at square 1,1 for 8 times.\\r\\n"))
        << out[0];
    EXPECT_TRUE(out[0].ends_with("Error at col 9 for 9 times.\\r\\n\", \"marked\": [1, 5]}"))
        << out[0];
    EXPECT_EQ(out[1],
              "{\"text\": \"1- Entries matched.\\r\\n2- No logical error found.\\r\\n"
              "3- Puzzle solved.\", \"marked\": []}");
    EXPECT_EQ(run.status, 1);
}

TEST(CliCount, CountsUpToTheLimit) {
    CliFolder folder;
    const std::string empty(81, '.');
    folder.Write("p.txt", std::string(kEasy) + "\n" + empty + "\n" + kClash + "\n");
    const CliRun run = folder.Run({"count", "p.txt"});
    EXPECT_EQ(run.out, "1\n2+\n0\n");
    EXPECT_EQ(run.status, 1) << "the clashing puzzle has no solution";
    EXPECT_EQ(folder.Run({"count", "--limit=1", "p.txt"}).out, "1+\n1+\n0\n");
    const CliRun many = folder.Run({"count", "--limit", "5"}, empty + "\n" + kEasy);
    EXPECT_EQ(many.out, "5+\n1\n");
    EXPECT_EQ(many.status, 0);
}

TEST(CliConvert, TextToPuzzleFileAndBack) {
    CliFolder folder;
    folder.Write("in.txt", std::string("# one puzzle\n") + kEasy + "\n");
    CliRun run = folder.Run({"convert", "in.txt", "out.nfd"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = folder.Read("out.nfd");
    ASSERT_EQ(bytes.size(), 243U);
    for (int i = 0; i < 81; ++i) {
        const bool given = kEasy[i] != '.';
        EXPECT_EQ(bytes[3 * i], given ? kEasy[i] - '0' : 0) << i;
        EXPECT_EQ(static_cast<uint8_t>(bytes[3 * i + 1]), given ? 0xFF : 0) << i;
        EXPECT_EQ(static_cast<uint8_t>(bytes[3 * i + 2]), given ? 0xFF : 0) << i;
    }
    run = folder.Run({"convert", "out.nfd", "back.txt"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(folder.Read("back.txt"), std::string(kEasy) + "\n");
    run = folder.Run({"convert", "out.nfd", "-"});
    EXPECT_EQ(run.out, std::string(kEasy) + "\n");
    EXPECT_EQ(folder.Run({"solve", "out.nfd"}).out, std::string(kEasySolution) + " solved\n");
}

TEST(CliConvert, PuzzleFileDigitsKeepTheirFlags) {
    // A saved game: givens and the program's own digits; deduce works from both, and the
    // upper-case extension still names a puzzle file.
    CliFolder folder;
    CellGrid grid = *ParseBoardLine(kEasy);
    grid[0] = {4, false};
    const PuzzleBytes bytes = EncodePuzzle(grid);
    folder.Write("game.NFD", std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(folder.Run({"deduce", "game.NFD"}).out, std::string(kEasySolution) + "\n");
    EXPECT_EQ(folder.Run({"convert", "game.NFD", "-"}).out,
              "4" + std::string(kEasy).substr(1) + "\n");
}

TEST(CliGenerate, SameSeedSameLinesAndEachPuzzleIsComplete) {
    CliFolder folder;
    const CliRun first = folder.Run({"generate", "--count", "4", "--seed", "2024"});
    const CliRun again = folder.Run({"generate", "--seed=2024", "--count=4"});
    const CliRun other = folder.Run({"generate", "--count", "4", "--seed", "2025"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, again.out);
    EXPECT_NE(first.out, other.out);
    const std::vector<std::string> out = lines(first.out);
    ASSERT_EQ(out.size(), 4U);
    for (const std::string& line : out) {
        std::istringstream fields(line);
        std::string givens, solution, failed;
        fields >> givens >> solution >> failed;
        EXPECT_TRUE(test::IsValidSolution(solution)) << line;
        EXPECT_TRUE(test::KeepsGivens(givens, solution)) << line;
        EXPECT_EQ(failed.find_first_not_of("0123456789"), std::string::npos) << line;
        EXPECT_EQ(deducedInProcess(givens), solution) << "the givens decide the grid";
    }
    EXPECT_EQ(lines(folder.Run({"generate"}).out).size(), 1U) << "one puzzle by default";
}

// At a level: the line's rating is what rate says of the givens, at the level asked for, the
// same lines for the same seed; without the half turn too.
TEST(CliGenerate, LevelLinesCarryTheRatingThatRateGives) {
    CliFolder folder;
    for (const auto& [level, symmetry] : {std::pair{"hard", "rotational"}, {"easy", "none"}}) {
        SCOPED_TRACE(level);
        const std::vector<std::string> words = {"generate", "--level",   level,    "--symmetry",
                                                symmetry,   "--count=2", "--seed", "9"};
        const CliRun run = folder.Run(words);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(folder.Run(words).out, run.out);
        const std::vector<std::string> out = lines(run.out);
        ASSERT_EQ(out.size(), 2U);
        std::string givensFile;
        std::string expectedRate;
        for (const std::string& line : out) {
            std::istringstream fields(line);
            std::string givens, solution, rating, named;
            fields >> givens >> solution >> rating >> named;
            EXPECT_TRUE(test::IsValidSolution(solution)) << line;
            EXPECT_TRUE(test::KeepsGivens(givens, solution)) << line;
            EXPECT_EQ(named, level) << line;
            givensFile += givens + "\n";
            expectedRate += givens + " " + rating + " " + named + "\n";
        }
        folder.Write("givens.txt", givensFile);
        EXPECT_EQ(folder.Run({"rate", "givens.txt"}).out, expectedRate);
    }
}

TEST(CliProgress, ShownOnATerminalNeverInOutput) {
    CliFolder folder;
    const CliRun plain = folder.Run({"generate", "--count", "10", "--seed", "1"});
    EXPECT_EQ(plain.err, "") << "nothing on a standard error that is a file";
    const CliRun run = folder.RunWithTerminalStderr({"generate", "--count", "10", "--seed", "1"});
    ASSERT_EQ(run.status, 0);
    const std::vector<std::string> out = lines(run.out);
    EXPECT_EQ(out.size(), 10U);
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
    EXPECT_EQ(out.front(), lines(plain.out).front());
    EXPECT_NE(run.err.find("generate: "), std::string::npos) << run.err;
}

}  // namespace
}  // namespace ninefold
