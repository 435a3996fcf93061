// How many solutions the digits of a grid have: counted up to a limit for the count command,
// or judged none, one or several within a guess budget for the search's pruning. Neither is
// the Solve command's search: they show nothing and keep no order of guesses.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "engine/board.h"

namespace ninefold {

// The digits of 81 cells given in cell order (a CellGrid, or the Board's cells 1–81); a digit
// above 9, which only a damaged file can bring, reads as an empty cell.
DigitGrid DigitsOf(std::span<const CellState, kCellCount> cells);

// The number of solutions of the grid's digits (Fixed or not; above 9 counts as empty), or
// `limit` when there are at least that many: the search stops there. Digits that already
// clash count 0, as does a grid in which some empty cell or some unit's digit has no place.
// A complete, correct grid counts 1. A limit of 0 answers 0 without looking.
uint64_t CountSolutions(const CellGrid& grid, uint64_t limit);

enum class Solutions {
    None,     // no complete, correct grid keeps these digits
    One,      // exactly one does
    Several,  // two or more do
    Unknown,  // the guess budget ran out first
};

// Whether the digits (one above 9 counts as empty) have no solution, one or several: all
// that telling an empty branch from a promising one needs. Each guess spends one unit of
// `budget`; at zero the answer is Unknown. `found` receives the first solution met whenever
// the answer is One or Several.
Solutions ClassifySolutions(const DigitGrid& digits, int64_t& budget, DigitGrid& found);

// The same with no bound on the work, so never Unknown: the question the hint and the
// explanation ask first. Digits that clash have no solution. `solution` receives the one
// solution when there is exactly one.
Solutions JudgeSolutions(const DigitGrid& digits, DigitGrid& solution);

}  // namespace ninefold
