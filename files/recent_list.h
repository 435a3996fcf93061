// The recent-files list as it lives in its text file: one quoted path per line, CR LF, newest
// first. The file is the only store; every operation reads it again and rewrites it whole.
// It holds the ANSI code page's text when that code page spells every entry, and otherwise
// UTF-8 after a byte-order mark, so a name in any script reopens its file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ninefold {

// Entries are UTF-8 text.
using RecentEntries = std::vector<std::string>;
using PathsEqual = std::function<bool(std::string_view, std::string_view)>;

// Equal when the lower-case forms are equal (letters A-Z only; callers that know the text's
// encoding pass a fuller comparison).
bool SamePathIgnoringCase(std::string_view a, std::string_view b);

// A quoted line gives the text between its first quote and the next (or the line's end); a
// line without quotes gives its text up to the first comma, without surrounding blanks.
// Blank lines, empty entries and entries holding a NUL byte give nothing.
// The entries are the line's bytes as they are.
RecentEntries ParseRecentList(std::string_view text,
                              std::size_t maxEntries = std::numeric_limits<std::size_t>::max());

// The entries of a list file's text: UTF-8 after a byte-order mark, else the ANSI code page's
// text (on Windows; elsewhere that is UTF-8 too).
RecentEntries DecodeRecentList(std::string_view text,
                               std::size_t maxEntries = std::numeric_limits<std::size_t>::max());

// Each entry quoted on its own line ended by CR LF, in the ANSI code page when it spells them
// all, else in UTF-8 after a byte-order mark. An entry that the file cannot carry back
// faithfully (one holding a quote, a line break or a NUL byte) is left out.
std::string FormatRecentList(const RecentEntries& entries);

// True when FormatRecentList keeps the entry.
bool CanStoreInRecentList(std::string_view path);

struct RecentRead {
    RecentEntries entries;
    std::string error;  // empty when the file was read (or is missing or empty: an empty list)
};

RecentRead ReadRecentList(const std::filesystem::path& listFile,
                          std::size_t maxEntries = std::numeric_limits<std::size_t>::max());

// Replaces the file's contents atomically; no entries leave a file of length 0.
std::string WriteRecentList(const std::filesystem::path& listFile, const RecentEntries& entries);

// path first, then every entry not equal to it, in their order.
RecentEntries ListWithAdded(const RecentEntries& read, const std::string& path,
                            const PathsEqual& equal);
// The entries not equal to path, or nullopt when none was equal.
std::optional<RecentEntries> ListWithout(const RecentEntries& read, std::string_view path,
                                         const PathsEqual& equal);

// Read, change and rewrite the list file. An unreadable list is never rewritten, so its
// entries are not lost; empty text on success, otherwise the reason.
std::string AddToRecentList(const std::filesystem::path& listFile, const std::string& path,
                            const PathsEqual& equal = SamePathIgnoringCase);
std::string RemoveFromRecentList(const std::filesystem::path& listFile, std::string_view path,
                                 const PathsEqual& equal = SamePathIgnoringCase);

}  // namespace ninefold
