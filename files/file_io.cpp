// Portable file opening and bounded reading for puzzle files and the recent-files list.
#include "files/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <system_error>

namespace ninefold {

std::filesystem::path Utf8Path(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
    std::wstring wideMode(mode, mode + std::strlen(mode));
    return ::_wfopen(path.c_str(), wideMode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

FileBytes ReadFileStart(const std::filesystem::path& path, std::size_t maxBytes) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status)) {
        return {{}, "it is a folder"};
    }
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        return {{}, "it is not a regular file"};
    }
    std::FILE* file = OpenFile(path, "rb");
    if (file == nullptr) {
        return {{}, std::strerror(errno)};
    }
    FileBytes result;
    constexpr std::size_t kChunk = 64 * 1024;
    while (result.bytes.size() < maxBytes) {
        const std::size_t want = std::min(kChunk, maxBytes - result.bytes.size());
        const std::size_t old = result.bytes.size();
        result.bytes.resize(old + want);
        const std::size_t got = std::fread(result.bytes.data() + old, 1, want, file);
        result.bytes.resize(old + got);
        if (got < want) {
            break;
        }
    }
    if (std::ferror(file) != 0) {
        result.bytes.clear();
        result.error = "it could not be read";
    }
    std::fclose(file);
    return result;
}

int32_t FileExisits(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || ec) {
        return 0;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        return 0;
    }
    constexpr auto kMax = static_cast<std::uintmax_t>(std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(size > kMax ? kMax : size);
}

}  // namespace ninefold
