// solve and deduce: one output line per puzzle, the board as the engine leaves it.
#include <string>

#include "cli/commands.h"
#include "cli/each_puzzle.h"
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

}  // namespace

int RunSolve(const Arguments& args) {
    return AnswerEachPuzzle(args, "solve", [](Board& board, bool& solved) {
        const SolveResult result = SolveCommand(board);
        solved = result.outcome == SolveOutcome::Solved;
        return BoardToLine(board) + " " + solveStatus(result);
    });
}

int RunDeduce(const Arguments& args) {
    return AnswerEachPuzzle(args, "deduce", [](Board& board, bool& solved) {
        FillForcedCells(board);
        solved = CountMissingDigits(board) == 0;
        return BoardToLine(board);
    });
}

}  // namespace ninefold::cli
