// A temporary file in the target's folder, flushed to disk, then renamed over the target.
#include "files/atomic_write.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#include "files/file_io.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace ninefold {

namespace {

std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    std::random_device device;
    std::filesystem::path temp = target;
    temp += ".tmp-" + std::to_string(device() % 1000000000U);
    return temp;
}

bool syncToDisk(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

// A link is followed, so saving over a linked puzzle updates the file it points to instead of
// replacing the link with a copy.
std::filesystem::path resolvedTarget(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) {
        return path;
    }
    std::filesystem::path real = std::filesystem::canonical(path, ec);
    return ec ? path : real;
}

std::string writeAndClose(std::FILE* file, std::span<const uint8_t> data) {
    std::string error;
    if (!data.empty() && std::fwrite(data.data(), 1, data.size(), file) != data.size()) {
        error = std::strerror(errno);
    } else if (std::fflush(file) != 0 || !syncToDisk(file)) {
        error = std::strerror(errno);
    }
    if (std::fclose(file) != 0 && error.empty()) {
        error = std::strerror(errno);
    }
    return error;
}

}  // namespace

std::string WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> data) {
    const std::filesystem::path target = resolvedTarget(path);
    const std::filesystem::path temp = temporaryBeside(target);
    // "x": never reuse a name that exists, so another file is never clobbered.
    std::FILE* file = OpenFile(temp, "wbx");
    if (file == nullptr) {
        return std::strerror(errno);
    }
    std::string error = writeAndClose(file, data);
    std::error_code ec;
    if (error.empty()) {
        // The replaced file keeps its access rights; best effort, a failure here loses nothing.
        const std::filesystem::file_status old = std::filesystem::status(target, ec);
        if (!ec && std::filesystem::is_regular_file(old)) {
            std::filesystem::permissions(temp, old.permissions(), ec);
        }
        std::filesystem::rename(temp, target, ec);
        if (ec) {
            error = ec.message();
        }
    }
    if (!error.empty()) {
        std::filesystem::remove(temp, ec);
    }
    return error;
}

}  // namespace ninefold
