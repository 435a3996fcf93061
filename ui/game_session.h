// The game behind the window: owns the Board, the random source, the current cell, the last
// button, the panel drag and the running operation, and carries the input and menu handlers.
// It reaches the screen only through a GameView, so its rules run without any widget.
#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "engine/board.h"
#include "engine/generator.h"
#include "engine/solver.h"
#include "engine/steps/hint.h"
#include "engine/steps/level_generator.h"
#include "ui/game_view.h"
#include "ui/message_seam.h"

namespace ninefold {

// The window's hidden key combinations, which the desktop layer handles: given a key, its
// shift state and a way to run the search on its own, true when the key was one of them.
using HiddenKeys =
    std::function<bool(int keyCode, int shift, const std::function<void()>& searchAlone)>;

class GameSession : public SearchHost {
  public:
    GameSession(GameView& view, MessageSeam& messages);
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    Board& board() { return board_; }

    // Message boxes go through this seam; tests install a scripted one.
    void setMessageSeam(MessageSeam* seam) { messages_ = seam; }
    MessageSeam& messages() { return *messages_; }

    // Keys looked at before all others; none until the desktop layer installs its own.
    void setHiddenKeys(HiddenKeys keys) { hiddenKeys_ = std::move(keys); }

    // The cell box with the focus frame, 0 before the grid is laid out.
    int16_t CurrentCell() const { return currentCell_; }
    // Gives the current cell the keyboard focus again, when there is one.
    void FocusCurrentCell();

    // Keys: the window sees every key first, then the focused cell box gets it.
    void Form_KeyDown(int keyCode, int shift);
    void Ninefold_KeyDown(int i, int keyCode, int shift);
    void Ninefold_MouseDown(int i, int button, int shift, int x, int y);
    void Ninefold_DblClick(int i);
    void Ninefold_MouseMove(int i, int buttons, int shift, int x, int y);
    void Ninefold_GotFocus(int i);

    // Candidate panel: x and y in the panel's inner area.
    void picSolveHolder_DblClick();
    void picSolveHolder_MouseDown(int button, int shift, double x, double y);
    void picSolveHolder_MouseMove(int buttons, int shift, double x, double y);
    void picSolveHolder_MouseUp(int button, int shift, double x, double y);

    // Set by Esc in the wait window: a running search stops at its next pump.
    bool& EscPressed() { return escPressed_; }
    // The wait window around long operations; a cancellable one clears EscPressed first.
    void ShowWaitWindow(bool cancellable);
    void CloseWaitWindow();
    // True from the start of a long operation until it has returned.
    bool OperationRunning() const { return operationRunning_; }
    // A close of the window while an operation runs stops the operation as Esc would; the
    // window closes once it has returned. True when the close has to wait.
    bool DeferClose();

    // The Game and Help menus, and File > Exit.
    void mnuNewGame_Click();
    void mnuGenerate_Click();
    // Shift+F5: the level chooser, then a puzzle made to order at that level behind the
    // cancellable wait window; its givens replace the board unless the player cancels.
    void GenerateLevel_Click();
    void mnuSolve_Click();
    void mnuCheck_Click();
    void mnuClear_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    // Writes a text holding one board line as a load does; any other text is refused with a
    // message and leaves the board as it is.
    void OpenPuzzleText(const QString& text);
    // A new puzzle is on the board, by whatever way it came (a file, a text, Generate, New):
    // the player has written none of its cells yet.
    void PuzzleArrived();

    // One turn of the mouse wheel: one step of CurrentCell.
    void clsMouseWheel_MouseWheel(int16_t& direct, bool& Cancel);

  private:
    // The search's host: messages, wait window and the event pump.
    void SearchRefused(PreSearchVerdict verdict) override;
    void SearchStarting() override;
    bool PumpEvents() override;
    void SearchEnded() override;

    // The generator's numbers, seeded from the clock.
    void SeedRandom(uint64_t seed) { random_ = std::make_unique<SeededRandom>(seed); }
    bool HasCurrentCell() const { return currentCell_ >= 1 && currentCell_ <= kCellCount; }
    // Shows the candidates the board holds, as of the last double-click on the panel.
    void DrawCandidates();

    // The clipboard: Shift+Insert and Ctrl+V paste a board line, Ctrl+Insert and Ctrl+Shift+C
    // copy the board as one.
    void PasteBoard();
    void CopyBoard();
    // Ctrl+H: the next logical step of the board in a message box, the focus frame moved to the
    // cell it places or else the first it removes a candidate from; no digit is written.
    void ShowHint();

    friend class OperationGuard;
    void beginOperation();
    // True when the window closed as the operation ended.
    bool endOperation();
    // The one place commands are refused while a long operation runs.
    template <typename Command>
    void whenIdle(Command command) {
        if (!operationRunning_) {
            command();
        }
    }

    // The hidden keys, then the clipboard keys and the hint key; true when the key was one of
    // them.
    bool hiddenKey(int keyCode, int shift);
    bool clipboardKey(int keyCode, int shift);
    bool hintKey(int keyCode, int shift);
    bool levelKey(int keyCode, int shift);

    GameView& view_;
    MessageSeam* messages_;
    HiddenKeys hiddenKeys_;
    Board board_;
    std::unique_ptr<SeededRandom> random_;
    // The level the chooser offers first: the one chosen last in this run.
    steps::Level lastLevel_ = steps::Level::Medium;

    int16_t currentCell_ = 0;
    int16_t lastButton_ = 0;
    bool panelDragging_ = false;
    int16_t panelGrabX_ = 0;
    int16_t panelGrabY_ = 0;

    bool escPressed_ = false;
    bool operationRunning_ = false;
    bool closeRequested_ = false;
    // The digits the last hint gave a clue for: the next hint key on the same digits tells
    // the whole hint.
    std::optional<DigitGrid> cluedDigits_;
    // The cells the player wrote since the puzzle was opened, generated or cleared: the hint
    // tells their digits from the givens.
    steps::PlayerCells playerCells_{};
    // The search lets window events through at most once per this interval.
    static constexpr std::chrono::nanoseconds kPumpInterval{1'000'000};
    std::optional<std::chrono::steady_clock::time_point> lastPump_;
};

}  // namespace ninefold
