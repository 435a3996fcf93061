// A shown, active game window whose message boxes are answered by a script, for the widget
// tests; and helpers that read the board back.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/game_window.h"
#include "ui/message_seam.h"

class QAction;
class QMenu;

namespace ninefold {
class CandidatePanel;
class CellBox;
class FocusFrame;
class SolveBox;
class frmWait;
}  // namespace ninefold

namespace ninefold::testing {

enum class Box { Information, Exclamation, Question, Plain };

struct Shown {
    Box box;
    std::string text;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& shown, std::ostream* out);

// Records every message box and answers questions from a queue (Yes when it runs dry).
class ScriptedMessages : public MessageSeam {
  public:
    void information(const std::string& text) override { record(Box::Information, text); }
    void exclamation(const std::string& text) override { record(Box::Exclamation, text); }
    bool question(const std::string& text) override;
    void plain(const std::string& text) override { record(Box::Plain, text); }

    std::vector<Shown> shown;
    std::deque<bool> answers;
    // Runs when a message box would be shown, as the modal box's own event loop would allow.
    std::function<void()> onShow;

  private:
    void record(Box box, const std::string& text);
};

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes an 81-character line ('.' empty) as Fixed digits.
    void load(const char* line);
    // The digits on the board as a line.
    std::string digits() const;
    CellState cell(int i) const { return game->session().board().Cells[i]; }
    // Processes pending events, so repaints and posted events are done.
    static void settle();

    GameSession& session() const { return game->session(); }
    // The window's controls, found by their object names.
    CellBox* cellBox(int i) const;
    SolveBox* solveBox(int i) const;
    CandidatePanel* candidatePanel() const;
    QWidget* focusFrame() const;
    QMenu* menu(const char* name) const;
    QAction* action(const char* name) const;
    // The open wait window, or nullptr.
    static frmWait* waitWindow();
    // Repaints every cell box changed since the last frame now.
    void flushPaints() const;

    ScriptedMessages messages;
    std::unique_ptr<frmGame> game;
};

}  // namespace ninefold::testing
