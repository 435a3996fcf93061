// Reading, writing and changing the recent-files list file.
#include "files/recent_list.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "files/ansi_text.h"
#include "files/atomic_write.h"
#include "files/file_io.h"

namespace ninefold {

namespace {

// A list far beyond any real use is treated as unreadable rather than loaded into memory.
constexpr std::size_t kMaxListBytes = 16 * 1024 * 1024;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

void appendLine(std::string& text, std::string_view entry) {
    text += '"';
    text += entry;
    text += "\"\r\n";
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string_view entryOfLine(std::string_view line) {
    const std::size_t quote = line.find('"');
    if (quote != std::string_view::npos) {
        const std::string_view rest = line.substr(quote + 1);
        return rest.substr(0, rest.find('"'));
    }
    return trimBlanks(line.substr(0, line.find(',')));
}

}  // namespace

bool SamePathIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

RecentEntries ParseRecentList(std::string_view text, std::size_t maxEntries) {
    RecentEntries entries;
    std::size_t start = 0;
    while (start < text.size() && entries.size() < maxEntries) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view entry = entryOfLine(text.substr(start, end - start));
        if (!entry.empty() && entry.find('\0') == std::string_view::npos) {
            entries.emplace_back(entry);
        }
        start = end + 1;
    }
    return entries;
}

bool CanStoreInRecentList(std::string_view path) {
    return !path.empty() && path.find_first_of(std::string_view("\"\r\n\0", 4)) == path.npos;
}

RecentEntries DecodeRecentList(std::string_view text, std::size_t maxEntries) {
    if (text.starts_with(kUtf8Bom)) {
        return ParseRecentList(text.substr(kUtf8Bom.size()), maxEntries);
    }
    RecentEntries entries = ParseRecentList(text, maxEntries);
    for (std::string& entry : entries) {
        entry = AnsiToUtf8(entry);
    }
    return entries;
}

std::string FormatRecentList(const RecentEntries& entries) {
    std::string ansi;
    std::string utf8(kUtf8Bom);
    bool spelled = true;
    for (const std::string& entry : entries) {
        if (!CanStoreInRecentList(entry)) {
            continue;
        }
        appendLine(utf8, entry);
        if (spelled) {
            const std::optional<std::string> inCodePage = Utf8ToAnsi(entry);
            spelled = inCodePage.has_value();
            if (spelled) {
                appendLine(ansi, *inCodePage);
            }
        }
    }
    return spelled ? ansi : utf8;
}

RecentRead ReadRecentList(const std::filesystem::path& listFile, std::size_t maxEntries) {
    if (FileExisits(listFile) == 0) {
        return {};
    }
    FileBytes read = ReadFileStart(listFile, kMaxListBytes + 1);
    if (!read.error.empty()) {
        return {{}, read.error};
    }
    if (read.bytes.size() > kMaxListBytes) {
        return {{}, "the list is too long to be a list of recent files"};
    }
    const std::string_view text(reinterpret_cast<const char*>(read.bytes.data()),
                                read.bytes.size());
    return {DecodeRecentList(text, maxEntries), {}};
}

std::string WriteRecentList(const std::filesystem::path& listFile, const RecentEntries& entries) {
    const std::string text = FormatRecentList(entries);
    return WriteFileAtomically(
        listFile, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

RecentEntries ListWithAdded(const RecentEntries& read, const std::string& path,
                            const PathsEqual& equal) {
    RecentEntries list{path};
    for (const std::string& entry : read) {
        if (!equal(entry, path)) {
            list.push_back(entry);
        }
    }
    return list;
}

std::optional<RecentEntries> ListWithout(const RecentEntries& read, std::string_view path,
                                         const PathsEqual& equal) {
    RecentEntries list;
    for (const std::string& entry : read) {
        if (!equal(entry, path)) {
            list.push_back(entry);
        }
    }
    if (list.size() == read.size()) {
        return std::nullopt;
    }
    return list;
}

std::string AddToRecentList(const std::filesystem::path& listFile, const std::string& path,
                            const PathsEqual& equal) {
    const RecentRead read = ReadRecentList(listFile);
    if (!read.error.empty()) {
        return read.error;
    }
    return WriteRecentList(listFile, ListWithAdded(read.entries, path, equal));
}

std::string RemoveFromRecentList(const std::filesystem::path& listFile, std::string_view path,
                                 const PathsEqual& equal) {
    const RecentRead read = ReadRecentList(listFile);
    if (!read.error.empty()) {
        return read.error;
    }
    const std::optional<RecentEntries> kept = ListWithout(read.entries, path, equal);
    return kept ? WriteRecentList(listFile, *kept) : std::string();
}

}  // namespace ninefold
