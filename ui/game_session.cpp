// The game's input rules and commands over the Board: keys, mouse presses and the wheel turned
// into the player's digits, the candidate panel's drawing and dragging, the Game menu's
// commands, the clipboard, and the search's host.
#include "ui/game_session.h"

#include <QCoreApplication>
#include <cmath>
#include <span>

#include "engine/candidates.h"
#include "engine/diagram_check.h"
#include "engine/game_commands.h"
#include "engine/solution_count.h"
#include "engine/steps/hint.h"
#include "ui/board_clipboard.h"
#include "ui/key_codes.h"
#include "ui/operation_guard.h"
#include "ui/qt_text_source.h"

namespace ninefold {

namespace {

// Every write of the player: a Fixed digit on white, which also clears a yellow mark.
void writePlayer(Board& board, steps::PlayerCells& written, int i, int digit) {
    board.SetCell(i, digit, true, BackColour::White);
    written[i] = true;
}

void stepPlayer(Board& board, steps::PlayerCells& written, int i, const char* op) {
    board.SetCell(i, op, true, BackColour::White);
    written[i] = true;
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

GameSession::GameSession(GameView& view, MessageSeam& messages)
    : view_(view), messages_(&messages) {
    SeedRandom(SeededRandom::ClockSeed());
}

void GameSession::FocusCurrentCell() {
    if (HasCurrentCell()) {
        view_.focusCell(currentCell_, false);
    }
}

// --- keys and the mouse on the cell boxes ------------------------------------------------------

void GameSession::Form_KeyDown(int keyCode, int shift) {
    if (!hiddenKey(keyCode, shift) && !clipboardKey(keyCode, shift)) {
        hintKey(keyCode, shift);
    }
}

// The desktop layer's Shift+Alt+E, Shift+Alt+D and Shift+Alt+L, seen before the focused cell
// gets the key.
bool GameSession::hiddenKey(int keyCode, int shift) {
    const auto searchAlone = [this] {
        whenIdle([this] {
            const OperationGuard operation(*this);
            SearchSolution(board_, *this);
        });
    };
    return hiddenKeys_ && hiddenKeys_(keyCode, shift, searchAlone);
}

bool GameSession::clipboardKey(int keyCode, int shift) {
    if (IsPasteKey(keyCode, shift)) {
        PasteBoard();
        return true;
    }
    if (IsCopyKey(keyCode, shift)) {
        CopyBoard();
        return true;
    }
    return false;
}

bool GameSession::hintKey(int keyCode, int shift) {
    if (keyCode != KeyCode::LetterA + ('H' - 'A') || shift != ShiftState::Ctrl) {
        return false;
    }
    ShowHint();
    return true;
}

void GameSession::ShowHint() {
    whenIdle([this] {
        const steps::Hint hint = steps::NextHint(board_, &playerCells_);
        // A step's clue comes first, and the whole hint only when asked again on the same
        // digits; any change to the board starts again with a clue.
        const DigitGrid digits = DigitsOf(std::span(board_.Cells).subspan<1>());
        if (hint.kind == steps::HintKind::Step && cluedDigits_ != digits) {
            cluedDigits_ = digits;
            messages_->hint(hint.clue);
            return;
        }
        if (hint.focusCell != 0) {
            view_.focusCell(hint.focusCell, false);
        }
        if (hint.kind == steps::HintKind::Step || hint.kind == steps::HintKind::Complete) {
            messages_->hint(hint.text);
        } else {
            messages_->exclamation(hint.text);
        }
    });
}

void GameSession::Ninefold_KeyDown(int i, int keyCode, int shift) {
    whenIdle([&] {
        if (keyCode >= KeyCode::Digit0 && keyCode <= KeyCode::Digit0 + 9) {
            writePlayer(board_, playerCells_, i, keyCode - KeyCode::Digit0);
        } else if (keyCode >= KeyCode::Numpad0 && keyCode <= KeyCode::Numpad0 + 9) {
            writePlayer(board_, playerCells_, i, keyCode - KeyCode::Numpad0);
        } else if (keyCode == KeyCode::Delete || keyCode == KeyCode::Space) {
            writePlayer(board_, playerCells_, i, 0);
        } else if (keyCode == KeyCode::Enter || keyCode == KeyCode::Add) {
            stepPlayer(board_, playerCells_, i, shift == ShiftState::Shift ? "-" : "+");
        } else if (keyCode == KeyCode::Subtract) {
            stepPlayer(board_, playerCells_, i, "-");
        } else if (const int target = navigationTarget(i, keyCode); target != 0) {
            view_.focusCell(target, false);
        }
    });
}

void GameSession::Ninefold_MouseDown(int i, int button, int /*shift*/, int /*x*/, int /*y*/) {
    whenIdle([&] {
        if (button == 1) {
            stepPlayer(board_, playerCells_, i, "+");
        } else if (button == 2) {
            stepPlayer(board_, playerCells_, i, "-");
        } else {
            writePlayer(board_, playerCells_, i, 0);
        }
        lastButton_ = static_cast<int16_t>(button);
    });
}

void GameSession::Ninefold_DblClick(int i) {
    Ninefold_MouseDown(i, lastButton_, 0, 0, 0);
}

void GameSession::Ninefold_MouseMove(int i, int /*buttons*/, int /*shift*/, int /*x*/, int /*y*/) {
    // Only while the game window itself is the active window: not while a message box, a
    // file dialog or the wait window is in front.
    if (view_.isActive()) {
        view_.focusCell(i, true);
    }
}

void GameSession::Ninefold_GotFocus(int i) {
    view_.moveFocusFrame(i);
    currentCell_ = static_cast<int16_t>(i);
}

// The turn steps the digit like Enter and Shift+Enter; the turn itself goes on as usual.
void GameSession::clsMouseWheel_MouseWheel(int16_t& direct, bool& /*Cancel*/) {
    if (HasCurrentCell()) {
        stepPlayer(board_, playerCells_, currentCell_, direct == 1 ? "+" : "-");
    }
}

// --- the candidate panel --------------------------------------------------------------------

void GameSession::picSolveHolder_DblClick() {
    ComputeCandidates(board_);
    DrawCandidates();
}

void GameSession::DrawCandidates() {
    for (int i = 1; i <= kCellCount; ++i) {
        std::array<uint8_t, 9> entries{};
        for (int d = 1; d <= 9; ++d) {
            entries[d - 1] = board_.Candidates(i, d);
        }
        view_.showCandidates(i, entries);
    }
}

void GameSession::picSolveHolder_MouseDown(int /*button*/, int /*shift*/, double x, double y) {
    const QSize inner = view_.panelInnerSize();
    panelDragging_ = x >= 0 && x < inner.width() && y >= 0 && y < inner.height();
    // Halves go to the even neighbour.
    panelGrabX_ = static_cast<int16_t>(std::nearbyint(x));
    panelGrabY_ = static_cast<int16_t>(std::nearbyint(y));
}

void GameSession::picSolveHolder_MouseMove(int buttons, int /*shift*/, double x, double y) {
    if (buttons != 1 || !panelDragging_) {
        return;
    }
    const QPoint at = view_.panelPosition();
    view_.movePanel(QPoint(static_cast<int>(std::lround(at.x() - panelGrabX_ + x)),
                           static_cast<int>(std::lround(at.y() - panelGrabY_ + y))));
}

void GameSession::picSolveHolder_MouseUp(int /*button*/, int /*shift*/, double /*x*/,
                                         double /*y*/) {
    panelDragging_ = false;
}

// --- long operations and the wait window ----------------------------------------------------

void GameSession::ShowWaitWindow(bool cancellable) {
    if (cancellable) {
        escPressed_ = false;
    }
    view_.showWaitWindow(cancellable);
}

void GameSession::CloseWaitWindow() {
    view_.closeWaitWindow();
}

bool GameSession::DeferClose() {
    if (!operationRunning_) {
        return false;
    }
    closeRequested_ = true;
    return true;
}

void GameSession::beginOperation() {
    operationRunning_ = true;
}

bool GameSession::endOperation() {
    operationRunning_ = false;
    view_.announceCells();
    if (!closeRequested_) {
        return false;
    }
    closeRequested_ = false;
    view_.closeWindow();
    return true;
}

// --- the menus ------------------------------------------------------------------------------

void GameSession::mnuNewGame_Click() {
    whenIdle([this] {
        if (messages().question(NewGameQuestion(WindowText()))) {
            NewGame(board_);
            PuzzleArrived();
        }
    });
}

void GameSession::mnuClear_Click() {
    whenIdle([this] { ClearBlueNumbers(board_); });
}

void GameSession::mnuCheck_Click() {
    whenIdle([this] { messages().information(CheckDiagram(board_, WindowText())); });
}

void GameSession::mnuGenerate_Click() {
    whenIdle([this] {
        OperationGuard operation(*this);
        ShowWaitWindow(false);
        const GenerateResult result = GeneratePuzzle(board_, *random_);
        PuzzleArrived();
        CloseWaitWindow();
        if (operation.finish()) {
            return;
        }
        const std::string text = GenerateMessage(result.retries, WindowText());
        if (result.retries < 1) {
            messages().information(text);
        } else {
            messages().exclamation(text);
        }
    });
}

void GameSession::mnuSolve_Click() {
    whenIdle([this] {
        OperationGuard operation(*this);
        const SolveResult result = SolveCommand(board_, *this);
        if (operation.finish()) {
            return;
        }
        if (result.outcome == SolveOutcome::Solved) {
            messages().information(SolveMessage(result.outcome, WindowText()));
        } else {
            messages().exclamation(SolveMessage(result.outcome, WindowText()));
        }
    });
}

void GameSession::mnuAbout_Click() {
    //: The About box: a heading line, then the authors indented below it.
    const QString heading = QCoreApplication::translate("GameSession", "Created by:");
    const QString authors = QCoreApplication::translate("GameSession", "The Ninefold developers");
    messages().plain((heading + QStringLiteral("\r\n  ") + authors).toStdString());
}

void GameSession::mnuExit_Click() {
    view_.closeWindow();
}

// --- the clipboard --------------------------------------------------------------------------

void GameSession::PasteBoard() {
    OpenPuzzleText(view_.clipboardText());
}

void GameSession::CopyBoard() {
    whenIdle([this] { view_.setClipboardText(BoardLineText(board_)); });
}

void GameSession::OpenPuzzleText(const QString& text) {
    whenIdle([&] {
        const std::optional<CellGrid> grid = PuzzleFromText(text);
        if (!grid) {
            messages().exclamation(NoPuzzleText());
            return;
        }
        board_.WriteCells(*grid);
        PuzzleArrived();
    });
}

void GameSession::PuzzleArrived() {
    playerCells_ = {};
}

// --- the search's host ----------------------------------------------------------------------

void GameSession::SearchRefused(PreSearchVerdict verdict) {
    messages().exclamation(PreSearchMessage(verdict, WindowText()));
}

void GameSession::SearchStarting() {
    lastPump_.reset();
    ShowWaitWindow(true);
}

// Letting events through costs Qt several microseconds, more than a tried digit itself, so
// after each tried digit the window lets them through only once a millisecond has passed
// since it last did. Esc and a close are still seen within about a millisecond.
bool GameSession::PumpEvents() {
    const auto now = std::chrono::steady_clock::now();
    if (!lastPump_ || now - *lastPump_ >= kPumpInterval) {
        view_.processEvents();
        lastPump_ = std::chrono::steady_clock::now();
    }
    return escPressed_ || closeRequested_;
}

void GameSession::SearchEnded() {
    CloseWaitWindow();
}

}  // namespace ninefold
