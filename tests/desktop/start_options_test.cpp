// Which command lines the game answers itself, and which open a puzzle, whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "desktop/start_options.h"

namespace ninefold {
namespace {

TEST(StartOptions, HelpFitsAnEightyColumnConsole) {
    const std::string help = kGameUsage;
    std::size_t start = 0;
    while (start < help.size()) {
        const std::size_t end = std::min(help.find('\n', start), help.size());
        EXPECT_LE(end - start, 80U) << help.substr(start, end - start);
        start = end + 1;
    }
}

TEST(StartOptions, OnlyALoneHelpOrVersionIsAnOption) {
    struct Row {
        std::vector<std::string> words;  // after the program's name
        StartRequest request;
        std::vector<std::string> left;  // the arguments the window then reads
    };
    const Row rows[] = {
        {{"--help"}, StartRequest::Help, {}},
        {{"--version"}, StartRequest::Version, {}},
        {{"--help", "me.nfd"}, StartRequest::Play, {"--help", "me.nfd"}},
        {{"my", "--version"}, StartRequest::Play, {"my", "--version"}},
        {{"-h"}, StartRequest::Play, {"-h"}},
        {{"--", "--help"}, StartRequest::Play, {"--help"}},
        {{"--", "a", "--", "b"}, StartRequest::Play, {"a", "--", "b"}},
        {{}, StartRequest::Play, {}},
    };
    for (const Row& row : rows) {
        std::vector<std::string> words = row.words;
        std::string program = "ninefold";
        std::vector<char*> arguments{program.data()};
        for (std::string& word : words) {
            arguments.push_back(word.data());
        }
        EXPECT_EQ(ReadStartOptions(arguments), row.request) << ::testing::PrintToString(row.words);
        if (row.request == StartRequest::Play) {
            const std::vector<std::string> left(arguments.begin() + 1, arguments.end());
            EXPECT_EQ(left, row.left);
        }
    }
}

}  // namespace
}  // namespace ninefold
