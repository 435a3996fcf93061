// One pass over the input for solve, deduce and check.
#include "cli/each_puzzle.h"

#include <cstdio>

#include "cli/commands.h"
#include "cli/progress.h"
#include "cli/puzzle_input.h"

namespace ninefold::cli {

int AnswerEachPuzzle(const Arguments& args, const char* command,
                     const std::function<std::string(Board& board, bool& solved)>& answer) {
    Progress progress(command);
    Board board;
    bool allSolved = true;
    const InputStats stats = ReadPuzzles(args.files, [&](const CellGrid& grid) {
        board.WriteCells(grid);
        bool solved = false;
        std::string line = answer(board, solved);
        allSolved = allSolved && solved;
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
        progress.Step();
    });
    return ExitStatus(stats.bad, allSolved);
}

}  // namespace ninefold::cli
