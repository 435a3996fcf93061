// Reading and writing the 81-character board line.
#include "engine/board_text.h"

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

std::optional<CellGrid> ParseBoardLine(std::string_view line) {
    if (line.size() < static_cast<size_t>(kCellCount)) {
        return std::nullopt;
    }
    CellGrid grid{};
    for (int i = 0; i < kCellCount; ++i) {
        const char ch = line[i];
        if (ch >= '1' && ch <= '9') {
            grid[i] = {static_cast<uint8_t>(ch - '0'), true};
        } else if (ch != '.' && ch != '0') {
            return std::nullopt;
        }
    }
    return grid;
}

std::optional<CellGrid> ParsePuzzleText(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
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
