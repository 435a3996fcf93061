// Conversions between UTF-8 and the ANSI code page through the Windows API.
#include "files/ansi_text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace ninefold {

#ifdef _WIN32

namespace {

std::wstring widen(UINT codePage, DWORD flags, std::string_view text) {
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

std::string narrow(UINT codePage, std::wstring_view wide, BOOL* usedDefault) {
    const int size = static_cast<int>(wide.size());
    const DWORD flags = usedDefault != nullptr ? WC_NO_BEST_FIT_CHARS : 0;
    const int length =
        WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefault);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr,
                        usedDefault);
    return text;
}

}  // namespace

std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
    if (utf8.empty() || GetACP() == CP_UTF8) {
        return std::string(utf8);
    }
    const std::wstring wide = widen(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
    if (wide.empty()) {
        return std::nullopt;
    }
    BOOL usedDefault = FALSE;
    std::string ansi = narrow(CP_ACP, wide, &usedDefault);
    // A code page without a best-fit table may still map a character to another: only text
    // that reads back as it was counts as spelled.
    if (usedDefault != FALSE || ansi.empty() || AnsiToUtf8(ansi) != utf8) {
        return std::nullopt;
    }
    return ansi;
}

std::string AnsiToUtf8(std::string_view ansi) {
    if (ansi.empty() || GetACP() == CP_UTF8) {
        return std::string(ansi);
    }
    return narrow(CP_UTF8, widen(CP_ACP, 0, ansi), nullptr);
}

#else

std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
    return std::string(utf8);
}

std::string AnsiToUtf8(std::string_view ansi) {
    return std::string(ansi);
}

#endif

}  // namespace ninefold
