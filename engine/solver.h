// The Solve command and its depth-first search. The search guesses the lowest-numbered
// empty cell, digits ascending, propagates forced cells after each guess and backs up on a
// contradiction. It shows nothing itself: a SearchHost puts up the wait window, lets window
// events through once per tried digit and turns refusals into messages.
#pragma once

#include <cstdint>
#include <string>

#include "engine/board.h"
#include "engine/text_template.h"

namespace ninefold {

enum class PreSearchVerdict { Proceed, AlreadySolved, Clash, DeadCell };

enum class SearchEnd {
    Refused,    // PreSearchCheck would not let it start
    Completed,  // every cell filled
    Exhausted,  // every option of the first guess failed
    Cancelled,  // the host asked to stop
};

class SearchHost {
  public:
    virtual ~SearchHost() = default;
    // The search will not start; PreSearchMessage(verdict) says why.
    virtual void SearchRefused(PreSearchVerdict /*verdict*/) {}
    // Before the first guess (the game shows its cancellable wait window here).
    virtual void SearchStarting() {}
    // Once per tried digit, right after its propagation: let pending events through and
    // answer whether to stop. The board must not be changed meanwhile.
    virtual bool PumpEvents() { return false; }
    // After the search stopped for any reason but a refusal (the wait window goes).
    virtual void SearchEnded() {}
};

struct SearchResult {
    SearchEnd end = SearchEnd::Refused;
    PreSearchVerdict verdict = PreSearchVerdict::Proceed;
    uint64_t triedDigits = 0;
};

// Solved board, clashing digits (marked yellow) or a dead cell (marked yellow), in that order.
PreSearchVerdict PreSearchCheck(Board& board);
// "This puzzle is solved.", "Please check entries." or "Please check logicality."
std::string PreSearchMessage(PreSearchVerdict verdict, const TextSource& texts = EnglishText());

// Whether the search may pass over digits that provably lead to no complete grid. Passing
// over them changes neither the grid found nor how the search ends, nor the board an
// exhausted search leaves; fewer digits are tried and shown on the way.
enum class Pruning { ProvenEmptyBranches, None };

SearchResult SearchSolution(Board& board, SearchHost& host,
                            Pruning pruning = Pruning::ProvenEmptyBranches);
// Without a host: nothing is shown and the search runs to its end.
SearchResult SearchSolution(Board& board);

enum class SolveOutcome { Solved, NoSolution };

struct SolveResult {
    SolveOutcome outcome = SolveOutcome::NoSolution;
    bool searched = false;  // false when deduction alone decided
    SearchResult search;
};

// Forced cells first, the search only while digits are missing, and on success every
// background back to white.
SolveResult SolveCommand(Board& board, SearchHost& host,
                         Pruning pruning = Pruning::ProvenEmptyBranches);
SolveResult SolveCommand(Board& board);
// "Puzzle solved." or "This puzzle hasn't any solution!"
std::string SolveMessage(SolveOutcome outcome, const TextSource& texts = EnglishText());

}  // namespace ninefold
