// A temporary file in the target's folder, flushed to disk, then renamed over the target. The
// target is first checked the way a plain overwrite would check it, so the rename never
// replaces a file that the user may not write.
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
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ninefold {

namespace {

// The same limit the system puts on a chain of links.
constexpr int kMaxLinkHops = 40;

struct Target {
    std::filesystem::path path;
    bool exists = false;
    std::string refusal;  // why the target may not be replaced; empty when it may
};

// A short name of its own: a target named as long as the file system allows leaves no room
// for a suffix. The leading dot keeps it out of ordinary folder listings while it lives.
std::filesystem::path temporaryIn(const std::filesystem::path& folder) {
    std::random_device device;
    char name[32];
    std::snprintf(name, sizeof name, ".ninefold-%08x.tmp", static_cast<unsigned>(device()));
    return folder / name;
}

bool syncToDisk(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

// Links are followed to the file they name, even one that does not exist yet, so saving
// over a linked puzzle updates or creates that file and the link stays a link.
Target followLinks(const std::filesystem::path& path) {
    Target target;
    target.path = path;
    std::error_code ec;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        if (!std::filesystem::is_symlink(target.path, ec)) {
            return target;
        }
        const std::filesystem::path link = std::filesystem::read_symlink(target.path, ec);
        if (ec) {
            target.refusal = ec.message();
            return target;
        }
        target.path = link.is_absolute() ? link : target.path.parent_path() / link;
    }
    target.refusal = std::strerror(ELOOP);
    return target;
}

// Opening the existing file for writing, without changing it, asks the system exactly what
// a plain overwrite would: a read-only file, someone else's file or a read-only mount refuse.
void examine(Target& target) {
#ifdef _WIN32
    std::FILE* file = OpenFile(target.path, "r+b");
    if (file == nullptr) {
        if (errno != ENOENT) {
            target.refusal = std::strerror(errno);
        }
        return;
    }
    target.exists = true;
    std::fclose(file);
#else
    const int fd = ::open(target.path.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) {
            target.refusal = std::strerror(errno);
        }
        return;
    }
    target.exists = true;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        target.refusal = "it is not a regular file";
    }
    ::close(fd);
#endif
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

std::string writeInPlace(const std::filesystem::path& target, std::span<const uint8_t> data) {
    std::FILE* file = OpenFile(target, "wb");
    return file == nullptr ? std::strerror(errno) : writeAndClose(file, data);
}

}  // namespace

std::string WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> data) {
    Target target = followLinks(path);
    if (target.refusal.empty()) {
        examine(target);
    }
    if (!target.refusal.empty()) {
        return target.refusal;
    }
    const std::filesystem::path temp = temporaryIn(target.path.parent_path());
    // "x": never reuse a name that exists, so another file is never clobbered.
    std::FILE* file = OpenFile(temp, "wbx");
    if (file == nullptr) {
        const int reason = errno;
        // A folder that takes no new files may still hold a file the user can write: writing
        // it in place is then the only way to save at all.
        if (target.exists && (reason == EACCES || reason == EPERM)) {
            return writeInPlace(target.path, data);
        }
        return std::strerror(reason);
    }
    std::string error = writeAndClose(file, data);
    std::error_code ec;
    if (error.empty()) {
        // The replaced file keeps its access rights; best effort, a failure here loses nothing.
        const std::filesystem::file_status old = std::filesystem::status(target.path, ec);
        if (!ec && std::filesystem::is_regular_file(old)) {
            std::filesystem::permissions(temp, old.permissions(), ec);
        }
        std::filesystem::rename(temp, target.path, ec);
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
