// ninefold-cli: the game's engine for scripts, batch work and benchmarks.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/help.h"

using namespace ninefold::cli;

namespace {

int run(const Arguments& args) {
    switch (*args.command) {
        case Command::Solve:
            return RunSolve(args);
        case Command::Deduce:
            return RunDeduce(args);
        case Command::Check:
            return RunCheck(args);
        case Command::Count:
            return RunCount(args);
        case Command::Generate:
            return RunGenerate(args);
        case Command::Convert:
            return RunConvert(args);
        case Command::Rate:
            return RunRate(args);
        case Command::Explain:
            return RunExplain(args);
    }
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    UseBinaryStandardStreams();
    const std::vector<std::string> words = CommandWords(argc, argv);
    const ParseResult parsed = ParseArguments(words);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "ninefold-cli: %s\nRun 'ninefold-cli --help' for the commands.\n",
                     parsed.error.c_str());
        return 2;
    }
    if (parsed.arguments.version) {
        std::printf("ninefold-cli %s\n", NINEFOLD_VERSION);
        return 0;
    }
    if (parsed.arguments.help) {
        std::fputs(HelpText(parsed.arguments.command), stdout);
        return 0;
    }
    const int status = run(parsed.arguments);
    if (std::fflush(stdout) != 0) {
        std::fprintf(stderr, "ninefold-cli: standard output cannot be written\n");
        return 2;
    }
    return status;
}
