// The Game menu's commands, and the game window as the host of the search. The commands are
// wired to the engine's operations next.
#include "ui/game_window.h"

namespace ninefold {

void frmGame::mnuNewGame_Click() {}
void frmGame::mnuClear_Click() {}
void frmGame::mnuCheck_Click() {}
void frmGame::mnuGenerate_Click() {}
void frmGame::mnuSolve_Click() {}
void frmGame::SearchRefused(PreSearchVerdict /*verdict*/) {}
void frmGame::SearchStarting() {}
bool frmGame::PumpEvents() {
    return false;
}
void frmGame::SearchEnded() {}

}  // namespace ninefold
