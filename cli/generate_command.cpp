// generate: new puzzles from one seeded random source, so a seed gives the same lines again.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/progress.h"
#include "engine/board_text.h"
#include "engine/generator.h"

namespace ninefold::cli {

int RunGenerate(const Arguments& args) {
    Progress progress("generate");
    SeededRandom random(args.seed.value_or(SeededRandom::ClockSeed()));
    Board board;
    for (uint64_t i = 0; i < args.count; ++i) {
        const GenerateResult result = GeneratePuzzle(board, random);
        const std::string line = GivensToLine(board) + " " + BoardToLine(board) + " " +
                                 std::to_string(result.retries) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
        progress.Step();
    }
    return 0;
}

}  // namespace ninefold::cli
