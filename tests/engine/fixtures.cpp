#include "tests/engine/fixtures.h"

#include <cassert>

#include "engine/board_text.h"

namespace ninefold::test {

Board BoardFrom(std::string_view line) {
    const auto grid = ParseBoardLine(line);
    assert(grid.has_value());
    Board board;
    board.WriteCells(*grid);
    return board;
}

}  // namespace ninefold::test
