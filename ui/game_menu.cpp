// The Game menu's commands, and the game window as the host of the search: the wait window,
// the event pump once per tried digit, and the messages that report each outcome.
#include <QCoreApplication>

#include "engine/diagram_check.h"
#include "engine/game_commands.h"
#include "ui/game_window.h"

namespace ninefold {

void frmGame::mnuNewGame_Click() {
    if (operationRunning_) {
        return;
    }
    if (messages().question(kNewGameQuestion)) {
        NewGame(board_);
    }
}

void frmGame::mnuClear_Click() {
    if (operationRunning_) {
        return;
    }
    ClearBlueNumbers(board_);
}

void frmGame::mnuCheck_Click() {
    if (operationRunning_) {
        return;
    }
    messages().information(CheckDiagram(board_));
}

void frmGame::mnuGenerate_Click() {
    if (operationRunning_) {
        return;
    }
    operationRunning_ = true;
    ShowWaitWindow(false);
    const GenerateResult result = GeneratePuzzle(board_, *random_);
    CloseWaitWindow();
    if (finishOperation()) {
        return;
    }
    const std::string text = GenerateMessage(result.retries);
    if (result.retries < 1) {
        messages().information(text);
    } else {
        messages().exclamation(text);
    }
}

void frmGame::mnuSolve_Click() {
    if (operationRunning_) {
        return;
    }
    operationRunning_ = true;
    const SolveResult result = SolveCommand(board_, *this);
    if (finishOperation()) {
        return;
    }
    if (result.outcome == SolveOutcome::Solved) {
        messages().information(SolveMessage(result.outcome));
    } else {
        messages().exclamation(SolveMessage(result.outcome));
    }
}

void frmGame::SearchRefused(PreSearchVerdict verdict) {
    messages().exclamation(PreSearchMessage(verdict));
}

void frmGame::SearchStarting() {
    pumpClock_.invalidate();
    ShowWaitWindow(true);
}

// Letting events through costs Qt several microseconds, more than a tried digit itself, so
// after each tried digit the window lets them through only once a millisecond has passed
// since it last did. Esc and a close are still seen within about a millisecond.
bool frmGame::PumpEvents() {
    if (!pumpClock_.isValid() || pumpClock_.nsecsElapsed() >= kPumpIntervalNanoseconds) {
        QCoreApplication::processEvents();
        pumpClock_.start();
    }
    return board_.EscPressed || closeRequested_;
}

void frmGame::SearchEnded() {
    CloseWaitWindow();
}

}  // namespace ninefold
