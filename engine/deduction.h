// Single-candidate deduction: hidden and naked singles, repeated until nothing more is
// forced, and the marking of empty cells that have no candidate left.
#pragma once

#include "engine/board.h"

namespace ninefold {

// Each pass reads Candidates as it stood when the pass began and writes every forced digit
// as one of the program's own (not Fixed, white). True when it placed at least one digit.
bool FillHiddenSinglesByRow(Board& board);
bool FillHiddenSinglesByColumn(Board& board);
bool FillHiddenSinglesByBox(Board& board);
bool FillNakedSingles(Board& board);

// Recomputes Candidates before each of the four passes and repeats them until a whole
// cycle places nothing.
void FillForcedCells(Board& board);

// Recomputes Candidates, paints every empty cell without a candidate yellow and counts them.
int MarkDeadCells(Board& board);

// The same two for a caller that knows the state of Candidates, sparing the recomputation;
// the writes and the table they leave are exactly those of the plain forms.
// FillForcedCellsAfter: the table was exact for the board until filledCell, then empty, was
// written. MarkDeadCellsOnExactTable: the table is exact for the board, as FillForcedCells
// leaves it.
void FillForcedCellsAfter(Board& board, int filledCell);
int MarkDeadCellsOnExactTable(Board& board);

}  // namespace ninefold
