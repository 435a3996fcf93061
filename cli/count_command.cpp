// count: the number of solutions of each puzzle, up to the limit, one line per puzzle.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/progress.h"
#include "cli/puzzle_input.h"
#include "engine/solution_count.h"

namespace ninefold::cli {

int RunCount(const Arguments& args) {
    Progress progress("count");
    bool allSolvable = true;
    const InputStats stats = ReadPuzzles(args.files, [&](const CellGrid& grid) {
        const uint64_t count = CountSolutions(grid, args.limit);
        allSolvable = allSolvable && count > 0;
        const std::string line = std::to_string(count) + (count == args.limit ? "+\n" : "\n");
        std::fwrite(line.data(), 1, line.size(), stdout);
        progress.Step();
    });
    return ExitStatus(stats.bad, allSolvable);
}

}  // namespace ninefold::cli
