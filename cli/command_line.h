// The tool's words and standard streams as the system hands them over: on Windows the words
// come as UTF-16 and the streams would turn "\n" into "\r\n"; both are made to match Linux.
#pragma once

#include <string>
#include <vector>

namespace ninefold::cli {

// The words after the program's name, in UTF-8.
std::vector<std::string> CommandWords(int argc, char** argv);

// The standard streams pass bytes unchanged, so answers are the same on every system.
void UseBinaryStandardStreams();

}  // namespace ninefold::cli
