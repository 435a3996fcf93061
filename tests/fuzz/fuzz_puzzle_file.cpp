// Any bytes given to the puzzle-file reader decode to a grid the board can hold, or to
// nothing when they are too short; a decoded grid survives a save and a load unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "engine/board.h"
#include "files/puzzle_file.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace ninefold;
    const std::optional<CellGrid> grid = DecodePuzzle(std::span(data, size));
    require(grid.has_value() == (size >= kPuzzleFileSize));
    if (!grid) {
        return 0;
    }
    for (const CellState& cell : *grid) {
        require(cell.Digit <= 9);
        require(cell.Digit != 0 || !cell.Fixed);
    }
    Board board;
    board.WriteCells(*grid);
    require(board.ReadCells() == *grid);
    const PuzzleBytes bytes = EncodePuzzle(*grid);
    require(DecodePuzzle(bytes) == grid);
    return 0;
}
