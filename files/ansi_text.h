// Text between UTF-8 and the system's ANSI code page, the 8-bit text older Windows programs
// and lists use. Off Windows the 8-bit text is UTF-8 itself, and nothing is converted.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ninefold {

// The text in the ANSI code page, or nullopt when the code page cannot spell every character
// of it exactly (or it is not UTF-8).
std::optional<std::string> Utf8ToAnsi(std::string_view utf8);

// ANSI code page text as UTF-8; bytes the code page leaves undefined become U+FFFD.
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace ninefold
