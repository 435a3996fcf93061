// A game session on a screen with no window behind it: the screen records the focus, the
// candidate boxes and the panel's place, and lets a test run code at the search's first pump.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "engine/board_text.h"
#include "tests/ui/game_fixture.h"
#include "ui/game_session.h"
#include "ui/game_view.h"

namespace ninefold::testing {

class FakeView : public GameView {
  public:
    void focusCell(int i, bool /*byPointer*/) override { focused = i; }
    bool isActive() const override { return true; }
    void moveFocusFrame(int /*i*/) override {}
    void showCandidates(int i, const std::array<uint8_t, 9>& entries) override {
        candidates[i] = entries;
    }
    QSize panelInnerSize() const override { return {440, 459}; }
    QPoint panelPosition() const override { return panelAt; }
    void movePanel(QPoint to) override { panelAt = to; }
    void showWaitWindow(bool /*cancellable*/) override {}
    void closeWaitWindow() override {}
    // Runs onPump once, at the first pump of the search.
    void processEvents() override {
        if (onPump) {
            std::exchange(onPump, nullptr)();
        }
    }
    void announceCells() override {}
    // Records the level offered first and answers as the player would: nothing for Esc, the
    // offered level for Enter, or the level set in choose.
    std::optional<steps::Level> chooseLevel(steps::Level preselected) override {
        offered.push_back(preselected);
        return enter ? std::optional(choose.value_or(preselected)) : std::nullopt;
    }
    void closeWindow() override {}
    QString clipboardText() const override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }

    int focused = 0;
    // The entries each candidate box was last drawn with, by cell.
    std::array<std::array<uint8_t, 9>, kCellCount + 1> candidates{};
    QPoint panelAt{100, 100};
    std::function<void()> onPump;
    QString clipboard;
    std::vector<steps::Level> offered;
    bool enter = true;
    std::optional<steps::Level> choose;
};

class SessionTest : public ::testing::Test {
  protected:
    std::string digits() { return BoardToLine(session.board()); }
    const CellState& cell(int i) { return session.board().Cells[i]; }

    FakeView view;
    ScriptedMessages messages;
    GameSession session{view, messages};
};

}  // namespace ninefold::testing
