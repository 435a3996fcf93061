// How many complete, correct grids keep every digit of a puzzle, counted up to a limit. It
// is not the Solve command's search: it goes on past the first solution, shows nothing and
// keeps no order of guesses, so it is free to be quick.
#pragma once

#include <cstdint>

#include "engine/board.h"

namespace ninefold {

// The number of solutions of the grid's digits (Fixed or not; above 9 counts as empty), or
// `limit` when there are at least that many: the search stops there. Digits that already
// clash count 0, as does a grid in which some empty cell or some unit's digit has no place.
// A complete, correct grid counts 1. A limit of 0 answers 0 without looking.
uint64_t CountSolutions(const CellGrid& grid, uint64_t limit);

}  // namespace ninefold
