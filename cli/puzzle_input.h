// Reading puzzles from the files named on the command line, or from standard input: text
// files hold one puzzle per line, ".nfd" files one board each.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "engine/board.h"

namespace ninefold::cli {

struct InputStats {
    int puzzles = 0;   // puzzles handed on
    bool bad = false;  // some line, file or name could not be used (reported on stderr)
};

// Calls take(grid) for every puzzle of every source in order; no names means standard
// input, and so does "-". Text: one puzzle line a line, read by ReadPuzzleLine, after a
// byte-order mark at the file's start; blank lines and lines starting with '#' (after
// blanks) are skipped. Each unusable line or file is reported on stderr with its name (and
// line) and the rest is still read. A line holding a control character other than tab (a
// NUL, for one) is unusable.
InputStats ReadPuzzles(const std::vector<std::string>& names,
                       const std::function<void(const CellGrid&)>& take);

// The text reader behind ReadPuzzles for one open file, reporting unusable lines to errors
// as "NAME:LINE: ...", one line each.
InputStats ReadPuzzleText(std::FILE* file, const std::string& name, std::FILE* errors,
                          const std::function<void(const CellGrid&)>& take);

// True when the name ends in ".nfd" (any letter case): such a file is a puzzle file.
bool IsPuzzleFileName(const std::string& name);

}  // namespace ninefold::cli
