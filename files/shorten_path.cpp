// Shortening a path for the recent-files menu, in the drive form and the root form.
#include "files/shorten_path.h"

#include <cctype>

namespace ninefold {

namespace {

struct PathForm {
    char separator;
    std::size_t driveLength;  // the part kept in front of "..."
};

bool hasDriveLetter(std::string_view path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) != 0 &&
           path[1] == ':';
}

PathForm formOf(std::string_view path) {
    const bool backslashOnly =
        path.find('\\') != std::string_view::npos && path.find('/') == std::string_view::npos;
    if (hasDriveLetter(path) || backslashOnly) {
        return {'\\', 3};
    }
    return {'/', path.starts_with('/') ? std::size_t{1} : std::size_t{0}};
}

}  // namespace

std::string_view FileNameOfPath(std::string_view path) {
    const std::size_t last = path.rfind(formOf(path).separator);
    return last == std::string_view::npos ? path : path.substr(last + 1);
}

std::vector<std::string> ShortenPathCandidates(std::string_view path) {
    const PathForm form = formOf(path);
    const std::string ellipsis = std::string("...") + form.separator;
    const std::string_view name = FileNameOfPath(path);
    const std::size_t last = path.rfind(form.separator);
    std::vector<std::string> candidates;
    if (last != std::string_view::npos) {
        // Each piece of the directories ends in the separator; candidate k keeps the drive
        // and the first k pieces.
        for (std::size_t kept = form.driveLength; kept <= last;
             kept = path.find(form.separator, kept) + 1) {
            candidates.push_back(std::string(path.substr(0, kept)) + ellipsis + std::string(name));
        }
    }
    candidates.emplace_back(path);
    return candidates;
}

std::string ShortenPath(std::string_view path, int maxLength, const MeasureText& measure) {
    std::string fitting(FileNameOfPath(path));
    for (std::string& candidate : ShortenPathCandidates(path)) {
        if (measure(candidate) > maxLength) {
            return fitting;
        }
        fitting = std::move(candidate);
    }
    return fitting;
}

}  // namespace ninefold
