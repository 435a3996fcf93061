// The game window's desktop hooks: the mouse wheel and the hot keys of the file association.
#include "ui/game_window.h"

namespace ninefold {

// Start-up: the mouse-wheel object that steps the current cell.
void frmGame::hookMouseWheel() {}

// Closing: the mouse-wheel object is let go.
void frmGame::releaseMouseWheel() {}

// Shift+Alt+E, Shift+Alt+D and Shift+Alt+L, seen before the focused cell gets the key.
bool frmGame::windowHotKey(int /*keyCode*/, int /*shift*/) {
    return false;
}

}  // namespace ninefold
