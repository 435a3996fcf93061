// SetCell and the whole-board repaint.
#include "engine/board.h"

#include <cassert>

namespace ninefold {

std::string ChangeLogList::Text() const {
    std::string text;
    for (uint8_t cell : cells_) {
        text += std::to_string(cell);
        text += ',';
    }
    return text;
}

namespace {

// Kept out of line so that SetCell's common case, no painter, saves no registers: the search
// writes cells hundreds of thousands of times.
[[gnu::noinline]] void paintAndLog(Board& board, CellPainter& painter, int index, BackColour back) {
    painter.PaintCell(index, board.Cells[index], back);
    if (board.RecordChanges) {
        board.ChangeLog.Append(index);
    }
}

[[gnu::noinline]] void logChange(ChangeLogList& log, int index) {
    log.Append(index);
}

}  // namespace

void Board::SetCell(int index, int digit, bool fixed, BackColour back) {
    assert(index >= 1 && index <= kCellCount);
    assert(digit >= 0 && digit <= 9);
    CellState& cell = Cells[index];
    cell.Digit = static_cast<uint8_t>(digit);
    cell.Fixed = digit != 0 && fixed;
    background_[index] = back;
    if (painter_ != nullptr) {
        paintAndLog(*this, *painter_, index, back);
    } else if (RecordChanges) {
        logChange(ChangeLog, index);
    }
}

void Board::SetCell(int index, std::string_view op, bool fixed, BackColour back) {
    const int current = Cells[index].Digit;
    int digit = 0;
    if (op == "+") {
        digit = current == 9 ? 0 : current + 1;
    } else if (op == "-") {
        digit = current == 0 ? 9 : current - 1;
    } else if (!op.empty()) {
        assert(op.size() == 1 && op[0] >= '0' && op[0] <= '9');
        digit = op[0] - '0';
    }
    SetCell(index, digit, fixed, back);
}

void Board::RepaintCells() {
    for (int i = 1; i <= kCellCount; ++i) {
        SetCell(i, Cells[i].Digit, Cells[i].Fixed, BackColour::White);
    }
}

void Board::WriteCells(const CellGrid& grid) {
    for (int i = 1; i <= kCellCount; ++i) {
        const CellState& cell = grid[i - 1];
        SetCell(i, cell.Digit > 9 ? 0 : cell.Digit, cell.Fixed, BackColour::White);
    }
}

CellGrid Board::ReadCells() const {
    CellGrid grid{};
    for (int i = 1; i <= kCellCount; ++i) {
        grid[i - 1] = Cells[i];
    }
    return grid;
}

}  // namespace ninefold
