// Any text read as a recent-files list gives entries that are written back and read again
// unchanged; adding, removing and shortening them never misbehaves.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/recent_list.h"
#include "files/shorten_path.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

int widthOf(std::string_view text) {
    return static_cast<int>(text.size()) * 7;
}

void checkShortening(const std::string& path) {
    const std::vector<std::string> candidates = ninefold::ShortenPathCandidates(path);
    require(!candidates.empty() && candidates.back() == path);
    for (int limit : {0, 50, 200, 100000}) {
        const std::string shown = ninefold::ShortenPath(path, limit, widthOf);
        require(shown == ninefold::FileNameOfPath(path) ||
                std::find(candidates.begin(), candidates.end(), shown) != candidates.end());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace ninefold;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const RecentEntries entries = ParseRecentList(text);
    for (const std::string& entry : entries) {
        require(!entry.empty() && entry.find('\0') == std::string::npos);
        checkShortening(entry);
    }
    RecentEntries storable;
    for (const std::string& entry : entries) {
        if (CanStoreInRecentList(entry)) {
            storable.push_back(entry);
        }
    }
    require(ParseRecentList(FormatRecentList(entries)) == storable);
    require(ParseRecentList(text, 9).size() == std::min<std::size_t>(entries.size(), 9));
    if (!entries.empty()) {
        const RecentEntries added = ListWithAdded(entries, entries.back(), SamePathIgnoringCase);
        require(added.front() == entries.back() && added.size() <= entries.size());
        const std::optional<RecentEntries> removed =
            ListWithout(entries, entries.front(), SamePathIgnoringCase);
        require(removed.has_value() && removed->size() < entries.size());
    }
    return 0;
}
