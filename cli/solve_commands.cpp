// solve and deduce: one output line per puzzle, the board as the engine leaves it.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/progress.h"
#include "cli/puzzle_input.h"
#include "engine/board_text.h"
#include "engine/conflicts.h"
#include "engine/deduction.h"
#include "engine/solver.h"

namespace ninefold::cli {

namespace {

const char* solveStatus(const SolveResult& result) {
    if (result.outcome == SolveOutcome::Solved) {
        return "solved";
    }
    if (result.search.end == SearchEnd::Refused) {
        switch (result.search.verdict) {
            case PreSearchVerdict::Clash:
                return "clash";
            case PreSearchVerdict::DeadCell:
                return "dead-cell";
            default:
                break;
        }
    }
    return "no-solution";
}

void writeLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

}  // namespace

int RunSolve(const Arguments& args) {
    Progress progress("solve");
    Board board;
    bool allSolved = true;
    const InputStats stats = ReadPuzzles(args.files, [&](const CellGrid& grid) {
        board.WriteCells(grid);
        const SolveResult result = SolveCommand(board);
        allSolved = allSolved && result.outcome == SolveOutcome::Solved;
        writeLine(BoardToLine(board) + " " + solveStatus(result));
        progress.Step();
    });
    return ExitStatus(stats.bad, allSolved);
}

int RunDeduce(const Arguments& args) {
    Progress progress("deduce");
    Board board;
    bool allSolved = true;
    const InputStats stats = ReadPuzzles(args.files, [&](const CellGrid& grid) {
        board.WriteCells(grid);
        FillForcedCells(board);
        allSolved = allSolved && CountMissingDigits(board) == 0;
        writeLine(BoardToLine(board));
        progress.Step();
    });
    return ExitStatus(stats.bad, allSolved);
}

}  // namespace ninefold::cli
