// Windows passes the command line as UTF-16 (argv holds it in the local code page, which
// loses names outside it) and opens the standard streams in text mode.
#include "cli/command_line.h"

#ifdef _WIN32
#include <windows.h>
// after windows.h, which it builds on
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#endif

namespace ninefold::cli {

#ifdef _WIN32

namespace {

std::string utf8(const wchar_t* word) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, word, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, word, -1, text.data(), size, nullptr, nullptr);
    text.pop_back();  // the terminating zero
    return text;
}

}  // namespace

std::vector<std::string> CommandWords(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv + 1, argv + argc);
    }
    std::vector<std::string> words;
    for (int i = 1; i < count; ++i) {
        words.push_back(utf8(wide[i]));
    }
    LocalFree(wide);
    return words;
}

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

#else

std::vector<std::string> CommandWords(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

void UseBinaryStandardStreams() {}

#endif

}  // namespace ninefold::cli
