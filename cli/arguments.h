// The command line of ninefold-cli: which command, its files and its options.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/steps/level_generator.h"

namespace ninefold::cli {

enum class Command { Solve, Deduce, Check, Count, Generate, Convert, Rate, Explain };

struct Arguments {
    std::optional<Command> command;  // none for a bare "--help" or "--version"
    bool help = false;
    bool version = false;
    std::vector<std::string> files;  // input names ("-" for standard input), or IN OUT
    uint64_t count = 1;              // generate: how many puzzles
    uint64_t limit = 2;              // count: where counting solutions stops
    std::optional<uint64_t> seed;
    bool json = false;  // explain: one JSON object per puzzle
    // generate: a puzzle at this level, made with this symmetry, instead of the game's.
    std::optional<steps::Level> level;
    std::optional<steps::Symmetry> symmetry;
};

struct ParseResult {
    Arguments arguments;
    std::string error;  // empty when the command line made sense
};

ParseResult ParseArguments(const std::vector<std::string>& words);

// The command's name as typed, for messages.
const char* CommandName(Command command);

}  // namespace ninefold::cli
