// The commands of ninefold-cli. Each returns the process exit status: 0 when every
// puzzle ended solved (or the work was done), 1 when some did not, 2 for unusable input.
#pragma once

#include "cli/arguments.h"

namespace ninefold::cli {

int RunSolve(const Arguments& args);
int RunDeduce(const Arguments& args);
int RunCheck(const Arguments& args);
int RunCount(const Arguments& args);
int RunGenerate(const Arguments& args);
int RunConvert(const Arguments& args);
int RunRate(const Arguments& args);
int RunExplain(const Arguments& args);

// The exit status after reading input: bad input wins over unsolved puzzles.
inline int ExitStatus(bool badInput, bool allSolved) {
    return badInput ? 2 : (allSolved ? 0 : 1);
}

}  // namespace ninefold::cli
