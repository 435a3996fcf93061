// Text puzzles line by line, puzzle files whole, every failure named on stderr.
#include "cli/puzzle_input.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "engine/board_text.h"
#include "files/file_io.h"
#include "files/puzzle_file.h"

namespace ninefold::cli {

namespace {

constexpr const char* kStdinName = "<stdin>";

// One line without its line break (LF or CR LF); false at the end of the input.
bool readLine(std::FILE* file, std::string& line) {
    line.clear();
    bool got = false;
    char chunk[256];
    while (std::fgets(chunk, sizeof chunk, file) != nullptr) {
        got = true;
        line += chunk;
        if (line.back() == '\n') {
            line.pop_back();
            break;
        }
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return got;
}

bool isSkipped(const std::string& line) {
    for (const char ch : line) {
        if (!std::isspace(static_cast<unsigned char>(ch))) {
            return ch == '#';
        }
    }
    return true;
}

void readText(std::FILE* file, const std::string& name, InputStats& stats,
              const std::function<void(const CellGrid&)>& take) {
    std::string line;
    long number = 0;
    while (readLine(file, line)) {
        ++number;
        if (isSkipped(line)) {
            continue;
        }
        if (const auto grid = ParseBoardLine(line)) {
            ++stats.puzzles;
            take(*grid);
        } else {
            std::fprintf(stderr, "%s:%ld: expected 81 cells of 1-9, 0 or .\n", name.c_str(),
                         number);
            stats.bad = true;
        }
    }
    if (std::ferror(file) != 0) {
        std::fprintf(stderr, "%s: cannot be read to the end: %s\n", name.c_str(),
                     std::strerror(errno));
        stats.bad = true;
    }
}

void readSource(const std::string& name, InputStats& stats,
                const std::function<void(const CellGrid&)>& take) {
    if (name == "-") {
        readText(stdin, kStdinName, stats, take);
        return;
    }
    if (IsPuzzleFileName(name)) {
        const PuzzleRead read = ReadPuzzleFile(name);
        if (!read.grid) {
            std::fprintf(stderr, "%s: not a puzzle file: %s\n", name.c_str(), read.error.c_str());
            stats.bad = true;
            return;
        }
        ++stats.puzzles;
        take(*read.grid);
        return;
    }
    std::FILE* file = OpenFile(name, "rb");
    if (file == nullptr) {
        std::fprintf(stderr, "%s: cannot be opened: %s\n", name.c_str(), std::strerror(errno));
        stats.bad = true;
        return;
    }
    readText(file, name, stats, take);
    std::fclose(file);
}

}  // namespace

bool IsPuzzleFileName(const std::string& name) {
    if (name.size() < 4) {
        return false;
    }
    std::string tail = name.substr(name.size() - 4);
    for (char& ch : tail) {
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    return tail == ".nfd";
}

InputStats ReadPuzzles(const std::vector<std::string>& names,
                       const std::function<void(const CellGrid&)>& take) {
    InputStats stats;
    if (names.empty()) {
        readSource("-", stats, take);
    }
    for (const std::string& name : names) {
        readSource(name, stats, take);
    }
    return stats;
}

}  // namespace ninefold::cli
