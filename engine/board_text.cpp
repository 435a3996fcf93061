// Reading and writing the 81-character board line.
#include "engine/board_text.h"

#include <algorithm>

namespace ninefold {

namespace {

std::string toLine(const Board& board, bool givensOnly) {
    std::string line(kCellCount, '.');
    for (int i = 1; i <= kCellCount; ++i) {
        const CellState& cell = board.Cells[i];
        if (cell.Digit != 0 && (cell.Fixed || !givensOnly)) {
            line[i - 1] = static_cast<char>('0' + cell.Digit);
        }
    }
    return line;
}

}  // namespace

std::string BoardToLine(const Board& board) {
    return toLine(board, false);
}
std::string GivensToLine(const Board& board) {
    return toLine(board, true);
}

PuzzleLine ReadPuzzleLine(std::string_view line) {
    const size_t start = std::min(line.find_first_not_of(" \t"), line.size());
    const std::string_view cells = line.substr(start);
    if (cells.size() < static_cast<size_t>(kCellCount)) {
        return {};
    }
    CellGrid grid{};
    for (int i = 0; i < kCellCount; ++i) {
        const char ch = cells[i];
        if (ch >= '1' && ch <= '9') {
            grid[i] = {static_cast<uint8_t>(ch - '0'), true};
        } else if (ch != '.' && ch != '0') {
            return {};
        }
    }
    if (cells.size() > static_cast<size_t>(kCellCount) && cells[kCellCount] != ' ' &&
        cells[kCellCount] != '\t') {
        return {std::nullopt, static_cast<int>(start) + kCellCount + 1};
    }
    return {grid, 0};
}

std::optional<CellGrid> ParseBoardLine(std::string_view line) {
    return ReadPuzzleLine(line).grid;
}

std::string_view SkipByteOrderMark(std::string_view text) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return text.starts_with(kMark) ? text.substr(kMark.size()) : text;
}

std::optional<CellGrid> ParsePuzzleText(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    text = SkipByteOrderMark(text);
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view line = text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);
    if (line.find_first_of("\r\n") != std::string_view::npos) {
        return std::nullopt;
    }
    return ParseBoardLine(line);
}

}  // namespace ninefold
