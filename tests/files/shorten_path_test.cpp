// Recent-file captions: the shortened candidates in both path forms and the choice among them.
#include <gtest/gtest.h>

#include "files/shorten_path.h"

namespace ninefold {
namespace {

using Candidates = std::vector<std::string>;

TEST(ShortenPath, CandidatesKeepMoreDirectoriesEachTime) {
    const std::pair<const char*, Candidates> rows[] = {
        {"C:\\Games\\Puzzles\\easy.nfd",
         {"C:\\...\\easy.nfd", "C:\\Games\\...\\easy.nfd", "C:\\Games\\Puzzles\\easy.nfd"}},
        {"C:\\a\\b\\a\\x.nfd",
         {"C:\\...\\x.nfd", "C:\\a\\...\\x.nfd", "C:\\a\\b\\...\\x.nfd", "C:\\a\\b\\a\\x.nfd"}},
        {"C:\\easy.nfd", {"C:\\easy.nfd"}},
        {"a.nfd", {"a.nfd"}},
        {"/home/ann/Games/easy.nfd",
         {"/.../easy.nfd", "/home/.../easy.nfd", "/home/ann/.../easy.nfd",
          "/home/ann/Games/easy.nfd"}},
        {"/easy.nfd", {"/easy.nfd"}},
        {"games/a.nfd", {".../a.nfd", "games/a.nfd"}},
        {"/tmp/odd\\name.nfd", {"/.../odd\\name.nfd", "/tmp/odd\\name.nfd"}},
    };
    for (const auto& [path, expected] : rows) {
        EXPECT_EQ(ShortenPathCandidates(path), expected) << path;
    }
}

// Every character 10 pixels wide.
int tenPerChar(std::string_view text) {
    return static_cast<int>(text.size()) * 10;
}

TEST(ShortenPath, TakesTheLastCandidateBeforeTheFirstTooWide) {
    const std::string windows = "C:\\Games\\Puzzles\\easy.nfd";  // 25 characters
    const std::string linux = "/home/ann/Games/easy.nfd";        // 24 characters
    struct Row {
        std::string path;
        int maxLength;
        std::string expected;
    };
    const Row rows[] = {
        {windows, 1000, windows},
        {windows, 250, windows},  // exactly as wide as the limit still fits
        {windows, 249, "C:\\Games\\...\\easy.nfd"},
        {windows, 210, "C:\\Games\\...\\easy.nfd"},
        {windows, 209, "C:\\...\\easy.nfd"},
        {windows, 149, "easy.nfd"},
        {"C:\\easy.nfd", 110, "C:\\easy.nfd"},
        {"C:\\easy.nfd", 109, "easy.nfd"},
        {linux, 240, linux},
        {linux, 239, "/home/ann/.../easy.nfd"},
        {linux, 179, "/.../easy.nfd"},
        {linux, 10, "easy.nfd"},
        {"a.nfd", 1, "a.nfd"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ShortenPath(row.path, row.maxLength, tenPerChar), row.expected)
            << row.path << " in " << row.maxLength;
    }
}

}  // namespace
}  // namespace ninefold
