// The few words the game answers itself, before the window opens.
#include "desktop/start_options.h"

#include <string_view>

namespace ninefold {

const char* const kGameUsage =
    R"(Usage: ninefold [FILE]
Plays, solves and checks 9x9 number-placement puzzles in a window.

FILE is a puzzle file (.nfd) to open at start. All the words after the
program's name make up the one name, joined by single blanks, with double
quotes removed. A leading '--' ends the options: 'ninefold -- --help' opens a
file named --help, as 'ninefold ./--help' does.

  --help       print this help and exit
  --version    print the version and exit
)";

StartRequest ReadStartOptions(std::vector<char*>& arguments) {
    if (arguments.size() == 2) {
        const std::string_view only = arguments[1];
        if (only == "--help") {
            return StartRequest::Help;
        }
        if (only == "--version") {
            return StartRequest::Version;
        }
    }
    if (arguments.size() >= 2 && std::string_view(arguments[1]) == "--") {
        arguments.erase(arguments.begin() + 1);
    }
    return StartRequest::Play;
}

}  // namespace ninefold
