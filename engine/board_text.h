// The one-line text form of a board used by fixtures, scripts and the command-line tool:
// 81 characters, '1'–'9' a digit and '.' an empty cell ('0' is read as empty too).
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

// The first 81 characters of line as a grid whose digits are all Fixed; nullopt when the
// line is shorter or holds another character among them.
std::optional<CellGrid> ParseBoardLine(std::string_view line);

// Text that holds exactly one board line, as a paste or a text drop brings it: blanks and line
// breaks around the line don't count; anything else, a second line included, gives nullopt.
std::optional<CellGrid> ParsePuzzleText(std::string_view text);

}  // namespace ninefold
