// Boards for the engine tests, written as 81-character lines, and a painter that records.
#pragma once

#include <string_view>
#include <vector>

#include "engine/board.h"

namespace ninefold::test {

// A complete, correct grid (the smallest one read row by row as one number).
inline constexpr std::string_view kSolvedGrid =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

// An easy puzzle that single-candidate deduction completes, and its solution.
inline constexpr std::string_view kEasyPuzzle =
    "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..";
inline constexpr std::string_view kEasySolution =
    "483921657967345821251876493548132976729564138136798245372689514814253769695417382";

// Givens Fixed, '.' empty; every cell on white.
Board BoardFrom(std::string_view line);

// Collects every PaintCell call in order.
class RecordingPainter : public CellPainter {
  public:
    struct Call {
        int index;
        CellState cell;
        BackColour back;
    };
    void PaintCell(int index, const CellState& cell, BackColour back) override {
        calls.push_back({index, cell, back});
    }
    std::vector<Call> calls;
};

}  // namespace ninefold::test
