// The search's pruner: which digits it may pass over because they provably lead to no
// complete grid.
#pragma once

#include <cstdint>

#include "engine/board.h"
#include "engine/solution_count.h"

namespace ninefold {

// Tells the search which digits it may pass over because no complete grid holds them.
//
// Why passing over them keeps every outcome: the search is a depth-first walk in which every
// digit it writes after a guess is forced for every complete grid that keeps the guess, and a
// check fails only when no complete grid keeps the board (an empty cell without a candidate,
// or a digit twice in a unit, neither of which a complete grid can contain). So a branch the
// search enters either holds a complete grid, and the walk reaches the first one in its order,
// or holds none, and the walk leaves it with the board put back as it found it. Skipping a
// branch that holds none therefore changes neither the grid found, nor whether the search ends
// exhausted, nor the digits it then leaves; only the digits tried on the way drop out, with
// the marks their checks would have left.
//
// The proof is a count of the solutions of the board with the digit in place, with a
// bounded number of guesses between two pumps so that Esc is still seen at once; when the
// count gives up, the digit is tried. Counting starts only once a digit has failed, as many
// boards are done without any failure and counting would only slow them. A solution met
// while counting is kept: a digit it holds needs no count while it agrees with the board.
// Once a board is known to have a single solution, every board the search reaches from it
// keeps at most that one, so no more counting is needed on the way down.
class BranchPruner {
  public:
    static constexpr int64_t kGuessesBetweenPumps = 10000;

    explicit BranchPruner(bool enabled) : enabled_(enabled) {}

    // True when no solution of the board has `digit` in `cell`, the top level's cell.
    bool ProvenEmpty(const Board& board, int cell, int digit);

    // A single solution is known only for the board counted and the boards the search
    // reaches from it; backing up leaves them.
    void BackedUp();
    void Pumped() { budget_ = kGuessesBetweenPumps; }

  private:
    // Classifies, keeping a solution met as the witness.
    Solutions classify(const DigitGrid& digits);

    bool enabled_;
    bool counting_ = false;  // a digit has failed, and no count gave up lately
    int64_t backUpsToWait_ = 1;
    int64_t nextWait_ = 16;
    bool unique_ = false;  // the witness is the board's only solution
    bool hasWitness_ = false;
    DigitGrid witness_{};  // a solution of the board when last counted
    int64_t budget_ = kGuessesBetweenPumps;
};

}  // namespace ninefold
