// The game window's desktop hooks: the mouse wheel and the hot keys of the file association.
#include "desktop/hot_keys.h"
#include "ui/game_window.h"
#include "ui/mouse_wheel.h"

namespace ninefold {

// Start-up: the mouse-wheel object that steps the current cell.
void frmGame::hookMouseWheel() {
    clsMouseWheel = std::make_shared<CMouseWheel>();
    connect(clsMouseWheel.get(), &CMouseWheel::MouseWheel, this, &frmGame::clsMouseWheel_MouseWheel,
            Qt::DirectConnection);
    clsMouseWheel->setForm(this);
    clsMouseWheel->SubClassHookForm();
}

// The turn steps the digit like Enter and Shift+Enter; the turn itself goes on as usual.
void frmGame::clsMouseWheel_MouseWheel(int16_t& direct, bool& /*Cancel*/) {
    if (CurrentCell >= 1 && CurrentCell <= kCellCount) {
        board_.SetCell(CurrentCell, direct == 1 ? "+" : "-", true, BackColour::White);
    }
}

// Closing: the mouse-wheel object is let go. The hook keeps it until the window is gone, and
// a turn in that span reaches no handler.
void frmGame::releaseMouseWheel() {
    if (!clsMouseWheel) {
        return;
    }
    disconnect(clsMouseWheel.get(), nullptr, this, nullptr);
    clsMouseWheel->setForm(nullptr);
    clsMouseWheel.reset();
}

// Shift+Alt+E, Shift+Alt+D and Shift+Alt+L, seen before the focused cell gets the key.
bool frmGame::windowHotKey(int keyCode, int shift) {
    const auto searchAlone = [this] {
        if (operationRunning_) {
            return;
        }
        operationRunning_ = true;
        SearchSolution(board_, *this);
        finishOperation();
    };
    return HandleHotKey(keyCode, shift, searchAlone) != HotKey::None;
}

}  // namespace ninefold
