// A temporary file in the target's folder, flushed to disk, then renamed over the target.
#include "files/atomic_write.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

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

}  // namespace

std::string WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> data) {
    const std::filesystem::path temp = temporaryBeside(path);
    // "x": never reuse a name that exists, so another file is never clobbered.
    std::FILE* file = std::fopen(temp.string().c_str(), "wbx");
    if (file == nullptr) {
        return std::strerror(errno);
    }
    std::string error;
    if (!data.empty() && std::fwrite(data.data(), 1, data.size(), file) != data.size()) {
        error = std::strerror(errno);
    } else if (std::fflush(file) != 0 || !syncToDisk(file)) {
        error = std::strerror(errno);
    }
    if (std::fclose(file) != 0 && error.empty()) {
        error = std::strerror(errno);
    }
    std::error_code ec;
    if (error.empty()) {
        std::filesystem::rename(temp, path, ec);
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
