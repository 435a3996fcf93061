// Saving replaces a file whole or not at all: a failed write keeps the old contents.
#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "files/atomic_write.h"
#include "files/puzzle_file.h"
#include "tests/files/temp_folder.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace ninefold {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::span<const uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

TEST(AtomicWrite, ReplacesContentsAndLeavesNoTemporaryFile) {
    TempFolder folder;
    WriteBytes(folder / "a.nfd", std::string(1000, 'x'));
    const std::string data = "new";
    ASSERT_EQ(WriteFileAtomically(folder / "a.nfd", bytesOf(data)), "");
    EXPECT_EQ(ReadBytes(folder / "a.nfd"), "new");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.nfd"});
}

TEST(AtomicWrite, EmptyDataLeavesAFileOfLengthZero) {
    TempFolder folder;
    WriteBytes(folder / "list.txt", "old");
    ASSERT_EQ(WriteFileAtomically(folder / "list.txt", {}), "");
    EXPECT_TRUE(std::filesystem::exists(folder / "list.txt"));
    EXPECT_EQ(std::filesystem::file_size(folder / "list.txt"), 0U);
}

TEST(AtomicWrite, UnwritablePlacesReportAReasonAndCreateNothing) {
    TempFolder folder;
    WriteBytes(folder / "plain", "a file, not a folder");
    std::filesystem::create_directory(folder / "sub");
    const std::filesystem::path targets[] = {folder / "plain" / "x.nfd", folder / "no" / "x.nfd",
                                             folder / "sub"};
    for (const auto& target : targets) {
        EXPECT_NE(WritePuzzleFile(target, CellGrid{}), "") << target;
    }
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"plain", "sub"}));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "sub"));
}

#ifndef _WIN32
// The process may write no file beyond 100 bytes while this lives: a disk that fills up
// halfway through a save.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(AtomicWrite, SaveCutShortKeepsTheOldFileWhole) {
    TempFolder folder;
    CellGrid oldGrid{};
    oldGrid[0] = {4, true};
    ASSERT_EQ(WritePuzzleFile(folder / "a.nfd", oldGrid), "");
    const std::string before = ReadBytes(folder / "a.nfd");

    CellGrid newGrid{};
    newGrid[80] = {9, true};
    std::string error;
    {
        FileSizeLimit limit(100);
        error = WritePuzzleFile(folder / "a.nfd", newGrid);
    }
    EXPECT_NE(error, "");
    EXPECT_EQ(ReadBytes(folder / "a.nfd"), before);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.nfd"});
}

TEST(AtomicWrite, KeepsAccessRightsAndFollowsLinks) {
    TempFolder folder;
    WriteBytes(folder / "real.nfd", "old");
    std::filesystem::permissions(folder / "real.nfd", std::filesystem::perms(0640));
    std::filesystem::create_symlink("real.nfd", folder / "link.nfd");
    const std::string data = "new";
    ASSERT_EQ(WriteFileAtomically(folder / "link.nfd", bytesOf(data)), "");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.nfd"));
    EXPECT_EQ(ReadBytes(folder / "real.nfd"), "new");
    EXPECT_EQ(std::filesystem::status(folder / "real.nfd").permissions(),
              std::filesystem::perms(0640));
}
#endif

}  // namespace
}  // namespace ninefold
