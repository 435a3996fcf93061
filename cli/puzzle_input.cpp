// Text puzzles line by line, puzzle files whole, every failure named on stderr.
#include "cli/puzzle_input.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "engine/board_text.h"
#include "files/file_io.h"
#include "files/puzzle_file.h"

namespace ninefold::cli {

namespace {

constexpr const char* kStdinName = "<stdin>";

// One line's bytes, NUL included, without its line break (LF or CR LF); false at the end of
// the input.
bool readLine(std::FILE* file, std::string& line) {
    line.clear();
    int ch = 0;
    while ((ch = std::getc(file)) != EOF && ch != '\n') {
        line.push_back(static_cast<char>(ch));
    }
    if (ch == EOF && line.empty()) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

// The first byte that is no text (a control character other than tab: NUL, a lone CR, ...),
// or npos. Such a line is refused whole, so no stray byte can hide a puzzle or join two.
size_t firstControlByte(std::string_view line) {
    for (size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool isSkipped(std::string_view line) {
    for (const char ch : line) {
        if (ch != ' ' && ch != '\t') {
            return ch == '#';
        }
    }
    return true;
}

void readSource(const std::string& name, InputStats& stats,
                const std::function<void(const CellGrid&)>& take) {
    InputStats read;
    if (name == "-") {
        read = ReadPuzzleText(stdin, kStdinName, stderr, take);
    } else if (IsPuzzleFileName(name)) {
        const PuzzleRead file = ReadPuzzleFile(Utf8Path(name));
        if (!file.grid) {
            std::fprintf(stderr, "%s: not a puzzle file: %s\n", name.c_str(), file.error.c_str());
            stats.bad = true;
            return;
        }
        read.puzzles = 1;
        take(*file.grid);
    } else {
        std::FILE* file = OpenFile(Utf8Path(name), "rb");
        if (file == nullptr) {
            std::fprintf(stderr, "%s: cannot be opened: %s\n", name.c_str(), std::strerror(errno));
            stats.bad = true;
            return;
        }
        read = ReadPuzzleText(file, name, stderr, take);
        std::fclose(file);
    }
    stats.puzzles += read.puzzles;
    stats.bad = stats.bad || read.bad;
}

}  // namespace

InputStats ReadPuzzleText(std::FILE* file, const std::string& name, std::FILE* errors,
                          const std::function<void(const CellGrid&)>& take) {
    InputStats stats;
    std::string line;
    long number = 0;
    while (readLine(file, line)) {
        ++number;
        const std::string_view text = number == 1 ? SkipByteOrderMark(line) : line;
        if (const size_t at = firstControlByte(text); at != std::string_view::npos) {
            std::fprintf(errors, "%s:%ld: control character 0x%02X in column %zu\n", name.c_str(),
                         number, static_cast<unsigned>(static_cast<unsigned char>(text[at])),
                         at + 1);
            stats.bad = true;
            continue;
        }
        if (isSkipped(text)) {
            continue;
        }
        const PuzzleLine read = ReadPuzzleLine(text);
        if (read.grid) {
            ++stats.puzzles;
            take(*read.grid);
        } else if (read.badColumn > 0) {
            std::fprintf(errors,
                         "%s:%ld: column %d: expected a blank or the line's end after 81 cells\n",
                         name.c_str(), number, read.badColumn);
            stats.bad = true;
        } else {
            std::fprintf(errors, "%s:%ld: expected 81 cells of 1-9, 0 or .\n", name.c_str(),
                         number);
            stats.bad = true;
        }
    }
    if (std::ferror(file) != 0) {
        std::fprintf(errors, "%s: cannot be read to the end: %s\n", name.c_str(),
                     std::strerror(errno));
        stats.bad = true;
    }
    return stats;
}

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
