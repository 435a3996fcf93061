// Keys, mouse presses, double-clicks and pointer movement on the cell boxes, turned into
// writes of the player's own digits and into focus changes.
#include <QApplication>

#include "ui/cell_box.h"
#include "ui/game_window.h"
#include "ui/key_codes.h"

namespace ninefold {

namespace {

// Every write of the player: a Fixed digit on white, which also clears a yellow mark.
void writePlayer(Board& board, int i, int digit) {
    board.SetCell(i, digit, true, BackColour::White);
}

void stepPlayer(Board& board, int i, const char* op) {
    board.SetCell(i, op, true, BackColour::White);
}

// The cell a navigation key leads to, or 0 when the key moves nothing (at an edge, or not a
// navigation key at all).
int navigationTarget(int i, int keyCode) {
    const auto [row, column] = CellRowCol(i);
    switch (keyCode) {
        case KeyCode::Left:
            return column > 1 ? CellIndex(row, column - 1) : 0;
        case KeyCode::Right:
            return column < 9 ? CellIndex(row, column + 1) : 0;
        case KeyCode::Up:
            return row > 1 ? CellIndex(row - 1, column) : 0;
        case KeyCode::Down:
            return row < 9 ? CellIndex(row + 1, column) : 0;
        case KeyCode::Home:
            return CellIndex(row, 1);
        case KeyCode::End:
            return CellIndex(row, 9);
        case KeyCode::PageUp:
            return CellIndex(1, column);
        case KeyCode::PageDown:
            return CellIndex(9, column);
        default:
            return 0;
    }
}

}  // namespace

void frmGame::Ninefold_KeyDown(int i, int keyCode, int shift) {
    if (operationRunning_) {
        return;
    }
    if (keyCode >= KeyCode::Digit0 && keyCode <= KeyCode::Digit0 + 9) {
        writePlayer(board_, i, keyCode - KeyCode::Digit0);
    } else if (keyCode >= KeyCode::Numpad0 && keyCode <= KeyCode::Numpad0 + 9) {
        writePlayer(board_, i, keyCode - KeyCode::Numpad0);
    } else if (keyCode == KeyCode::Delete || keyCode == KeyCode::Space) {
        writePlayer(board_, i, 0);
    } else if (keyCode == KeyCode::Enter || keyCode == KeyCode::Add) {
        stepPlayer(board_, i, shift == ShiftState::Shift ? "-" : "+");
    } else if (keyCode == KeyCode::Subtract) {
        stepPlayer(board_, i, "-");
    } else if (const int target = navigationTarget(i, keyCode); target != 0) {
        Ninefold(target)->setFocus(Qt::OtherFocusReason);
    }
}

void frmGame::Ninefold_MouseDown(int i, int button, int /*shift*/, int /*x*/, int /*y*/) {
    if (operationRunning_) {
        return;
    }
    if (button == 1) {
        stepPlayer(board_, i, "+");
    } else if (button == 2) {
        stepPlayer(board_, i, "-");
    } else {
        writePlayer(board_, i, 0);
    }
    LastButton = static_cast<int16_t>(button);
}

void frmGame::Ninefold_DblClick(int i) {
    Ninefold_MouseDown(i, LastButton, 0, 0, 0);
}

void frmGame::Ninefold_MouseMove(int i, int /*buttons*/, int /*shift*/, int /*x*/, int /*y*/) {
    // Only while the game window itself is the active window: not while a message box, a
    // file dialog or the wait window is in front.
    if (QApplication::activeWindow() == this) {
        Ninefold(i)->setFocus(Qt::MouseFocusReason);
    }
}

void frmGame::Ninefold_GotFocus(int i) {
    shape1_->move(Ninefold(i)->x() - 1, Ninefold(i)->y() - 1);
    CurrentCell = static_cast<int16_t>(i);
}

}  // namespace ninefold
