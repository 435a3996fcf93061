// ninefold-cli on bad input and bad command lines: messages naming file and line, the rest
// still processed, exit status 2; and --help on every command, and --version.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/cli/cli_process.h"
#include "tests/engine/fixtures.h"

namespace ninefold {
namespace {

using test::CliFolder;
using test::CliRun;

const std::string kEasy{test::kEasyPuzzle};
const std::string kEasySolution{test::kEasySolution};

TEST(CliBadInput, BadLinesAreNamedAndTheRestIsSolved) {
    CliFolder folder;
    std::string badChar(kEasy);
    badChar[40] = 'x';
    folder.Write("puzzles.txt", std::string(kEasy) + "\n" + std::string(kEasy).substr(0, 80) +
                                    "\n# fine\n" + badChar + "\n" + kEasy + "\n");
    const CliRun run = folder.Run({"solve", "puzzles.txt"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              "puzzles.txt:2: expected 81 cells of 1-9, 0 or .\n"
              "puzzles.txt:4: expected 81 cells of 1-9, 0 or .\n");
    EXPECT_EQ(run.out, std::string(kEasySolution) + " solved\n" + kEasySolution + " solved\n");
}

// The puzzle line's rule as the tool applies it to a file: a byte-order mark and leading
// blanks pass, an 82nd cell spoils its line, named with the column.
TEST(CliBadInput, ByteOrderMarkAndBlanksPassAnExtraCellIsNamed) {
    CliFolder folder;
    folder.Write("windows.txt",
                 "\xEF\xBB\xBF" + kEasy + "\r\n  " + kEasy + "\r\n" + kEasy + "5\r\n");
    const CliRun run = folder.Run({"solve", "windows.txt"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              "windows.txt:3: column 82: expected a blank or the line's end after 81 cells\n");
    EXPECT_EQ(run.out, kEasySolution + " solved\n" + kEasySolution + " solved\n");
}

TEST(CliBadInput, ControlBytesSpoilOnlyTheirOwnLine) {
    using namespace std::string_literals;
    struct Row {
        std::string input, err;
    };
    const Row rows[] = {
        {kEasy + "\0\n"s + kEasy + "\n", "<stdin>:1: control character 0x00 in column 82\n"},
        {"#c\0x\n"s + kEasy + "\n", "<stdin>:1: control character 0x00 in column 3\n"},
        {"\0"s + kEasy + "\n" + kEasy, "<stdin>:1: control character 0x00 in column 1\n"},
        {kEasy + "\r \r\n" + kEasy + "\r\n", "<stdin>:1: control character 0x0D in column 82\n"},
    };
    CliFolder folder;
    for (const Row& row : rows) {
        const CliRun run = folder.Run({"solve"}, row.input);
        EXPECT_EQ(run.status, 2) << row.err;
        EXPECT_EQ(run.err, row.err);
        EXPECT_EQ(run.out, kEasySolution + " solved\n") << row.err;
    }
}

TEST(CliBadInput, EveryCommandNamesStandardInputAndFiles) {
    CliFolder folder;
    for (const char* command : {"solve", "deduce", "check", "count", "rate", "explain"}) {
        const CliRun run = folder.Run({command}, "123\n");
        EXPECT_EQ(run.status, 2) << command;
        EXPECT_EQ(run.err, "<stdin>:1: expected 81 cells of 1-9, 0 or .\n") << command;
        EXPECT_EQ(run.out, "") << command;
    }
}

TEST(CliBadInput, MissingAndShortFilesAreReportedAndSkipped) {
    CliFolder folder;
    folder.Write("good.txt", std::string(kEasy) + "\n");
    folder.Write("short.nfd", std::string(100, '\0'));
    const CliRun run = folder.Run({"solve", "missing.txt", "short.nfd", "nothere.nfd", "good.txt"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, std::string(kEasySolution) + " solved\n");
    EXPECT_NE(run.err.find("missing.txt: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("short.nfd: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("nothere.nfd: "), std::string::npos) << run.err;
    EXPECT_EQ(folder.Run({"solve", "."}).status, 2) << "a folder is no puzzle file";
}

TEST(CliBadInput, ConvertNeedsExactlyOnePuzzle) {
    CliFolder folder;
    folder.Write("two.txt", std::string(kEasy) + "\n" + kEasy + "\n");
    folder.Write("none.txt", "# nothing\n");
    for (const char* in : {"two.txt", "none.txt", "missing.txt"}) {
        const CliRun run = folder.Run({"convert", in, "out.nfd"});
        EXPECT_EQ(run.status, 2) << in;
        EXPECT_NE(run.err.find(in), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(folder.Path() / "out.nfd")) << in;
    }
}

TEST(CliCommandLine, UsageErrorsExitTwoWithAMessage) {
    CliFolder folder;
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"solve", "--fast"},
        {"generate", "--count"},
        {"generate", "--count", "-3"},
        {"generate", "--seed", "abc"},
        {"generate", "--countless", "3"},
        {"generate", "file.txt"},
        {"count", "--limit", "0"},
        {"count", "--limit=two"},
        {"solve", "--limit", "3"},
        {"convert", "only-one.txt"},
        {"convert", "a", "b", "c"},
        {"rate", "--json"},
    };
    for (const auto& args : cases) {
        const CliRun run = folder.Run(args);
        const std::string shown = args.empty() ? "(none)" : args[0] + " ...";
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_EQ(run.err.rfind("ninefold-cli: ", 0), 0U) << run.err;
    }
    // Digits beyond what the option holds: the message gives the range, not the form.
    const CliRun tooLarge = folder.Run({"generate", "--seed=18446744073709551616"});
    EXPECT_EQ(tooLarge.status, 2);
    EXPECT_NE(tooLarge.err.find("--seed takes a whole number from 0 to 18446744073709551615"),
              std::string::npos)
        << tooLarge.err;
}

// The lines of a help text wider than an 80-column console, which would wrap mid-word there.
std::vector<std::string> linesWiderThan80(const std::string& text) {
    std::vector<std::string> wide;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        if (line.size() > 80) {
            wide.push_back(line);
        }
        start = end + 1;
    }
    return wide;
}

TEST(CliCommandLine, HelpOnEveryCommand) {
    CliFolder folder;
    const CliRun overview = folder.Run({"--help"});
    EXPECT_EQ(overview.status, 0);
    EXPECT_EQ(overview.out.rfind("Usage: ninefold-cli COMMAND", 0), 0U);
    EXPECT_EQ(linesWiderThan80(overview.out), std::vector<std::string>{});
    const CliRun version = folder.Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "ninefold-cli " NINEFOLD_VERSION "\n");
    for (const char* command :
         {"solve", "deduce", "check", "count", "generate", "convert", "rate", "explain"}) {
        for (const char* flag : {"--help", "-h"}) {
            const CliRun run = folder.Run({command, flag});
            EXPECT_EQ(run.status, 0) << command;
            EXPECT_EQ(run.err, "") << command;
            EXPECT_EQ(run.out.rfind(std::string("Usage: ninefold-cli ") + command, 0), 0U)
                << run.out;
            EXPECT_EQ(linesWiderThan80(run.out), std::vector<std::string>{}) << command;
        }
        EXPECT_NE(overview.out.find(std::string("  ") + command), std::string::npos) << command;
    }
}

}  // namespace
}  // namespace ninefold
