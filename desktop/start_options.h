// The game's own command-line options, read before any window or display is touched: usage
// and the version, each alone on the line, and "--" ending the options.
#pragma once

#include <vector>

namespace ninefold {

enum class StartRequest { Play, Help, Version };

// Reads the options from the program's arguments (the program's name first). Only
// "--help" or "--version" as the one argument is an option; anything else is the puzzle to
// open, whole, as before. A leading "--" ends the options and is taken out of `arguments`,
// so "-- --help" opens a file named "--help".
StartRequest ReadStartOptions(std::vector<char*>& arguments);

// What "--help" prints.
extern const char* const kGameUsage;

}  // namespace ninefold
