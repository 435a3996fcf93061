// The loop shared by the commands that answer each puzzle with one output line worked out on
// the board: read, write onto the board, answer, show progress, and the exit status.
#pragma once

#include <functional>
#include <string>

#include "cli/arguments.h"
#include "engine/board.h"

namespace ninefold::cli {

// Writes each puzzle of the input onto one Board, hands the board to `answer`, and prints the
// line it returns (without a line break) on standard output. `answer` sets `solved` to whether
// the puzzle ended solved. Returns the command's exit status.
int AnswerEachPuzzle(const Arguments& args, const char* command,
                     const std::function<std::string(Board& board, bool& solved)>& answer);

}  // namespace ninefold::cli
