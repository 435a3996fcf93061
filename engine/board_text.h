// The one-line text form of a board used by the command-line tool, pastes, drops and
// fixtures: 81 characters, '1'–'9' a digit and '.' an empty cell ('0' is read as empty too).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/board.h"

namespace ninefold {

// Every digit on the board, '.' elsewhere.
std::string BoardToLine(const Board& board);
// Only the Fixed digits, '.' elsewhere.
std::string GivensToLine(const Board& board);

// The rule for a puzzle line, wherever it comes from (a text file, standard input, a paste, a
// text drop): blanks and tabs may come first; then 81 cells, each '1'–'9' (a given) or '.' or
// '0' (empty); then the line ends, or goes on after a blank or a tab with anything at all.
// A digit or '.' right after the 81st cell makes the line bad: an 82nd cell is more likely a
// slip of the hand than a comment.
struct PuzzleLine {
    std::optional<CellGrid> grid;  // every digit Fixed; empty for a bad line
    // For a line bad only in what follows its 81 cells, the column (from 1) of the character
    // right after them; 0 for a line whose cells are short or wrong.
    int badColumn = 0;
};
PuzzleLine ReadPuzzleLine(std::string_view line);
// The grid of a good line, nullopt for a bad one.
std::optional<CellGrid> ParseBoardLine(std::string_view line);

// A UTF-8 byte-order mark (which Windows editors write) at the start of a file or a text is
// no part of its first line: the text without it.
std::string_view SkipByteOrderMark(std::string_view text);

// Text that holds exactly one puzzle line, as a paste or a text drop brings it: a byte-order
// mark at its start, blanks and line breaks around the line don't count; anything else, a
// second line included, gives nullopt.
std::optional<CellGrid> ParsePuzzleText(std::string_view text);

}  // namespace ninefold
