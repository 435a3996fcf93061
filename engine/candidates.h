// Rebuilding the Candidates table from the digits on the board.
#pragma once

#include "engine/board.h"

namespace ninefold {

// Every digit possible in every cell again; the first step of ComputeCandidates.
void ResetCandidates(Board& board);

// Afterwards entry (c, d) is d exactly when cell c is empty and no cell of its row, column
// or box holds d. A digit repeated in a unit simply excludes itself there.
void ComputeCandidates(Board& board);

}  // namespace ninefold
