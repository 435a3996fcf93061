// Opening and reading files by path the same way on every platform, and the size test that
// every "does this puzzle or list exist" question rests on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace ninefold {

// The path that UTF-8 text names. A plain std::string would be read in the local code page on
// Windows, which cannot spell every name.
std::filesystem::path Utf8Path(const std::string& text);

// fopen that takes the path as the file system spells it (wide on Windows).
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

struct FileBytes {
    std::vector<uint8_t> bytes;
    std::string error;  // empty when the read succeeded
};

// Reads at most maxBytes from the start of a regular file. Folders, pipes and devices are
// refused, so a read never blocks on something that is not a file.
FileBytes ReadFileStart(const std::filesystem::path& path, std::size_t maxBytes);

// The length of the file path names, or 0 when there is none, it is not a regular file or it
// cannot be examined. Lengths beyond the 32-bit range read as the largest 32-bit value, so a
// huge file still counts as present.
int32_t FileExisits(const std::filesystem::path& path);

}  // namespace ninefold
