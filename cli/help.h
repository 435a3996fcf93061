// The --help texts of ninefold-cli and of each of its commands.
#pragma once

#include <optional>

#include "cli/arguments.h"

namespace ninefold::cli {

// The overview without a command, else the command's own text.
const char* HelpText(std::optional<Command> command);

}  // namespace ninefold::cli
