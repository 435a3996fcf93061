// What the game session asks of the screen: the focus, the candidate panel, the wait window,
// the event pump, the level chooser, the clipboard and closing. The game window provides it; tests
// fake it.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "engine/steps/level_generator.h"

namespace ninefold {

class GameView {
  public:
    virtual ~GameView() = default;

    // Gives cell box i the keyboard focus; byPointer when the pointer moved onto it.
    virtual void focusCell(int i, bool byPointer) = 0;
    // True while the game window itself is the active window (no message box, file dialog or
    // wait window in front of it).
    virtual bool isActive() const = 0;
    // Moves the focus frame around cell box i.
    virtual void moveFocusFrame(int i) = 0;

    // Draws candidate box i with its nine entries (the digit while possible, 0 when excluded).
    virtual void showCandidates(int i, const std::array<uint8_t, 9>& entries) = 0;
    virtual QSize panelInnerSize() const = 0;
    virtual QPoint panelPosition() const = 0;
    virtual void movePanel(QPoint to) = 0;

    // The wait window over the disabled game window, and letting pending events through
    // while a long operation keeps the program busy.
    virtual void showWaitWindow(bool cancellable) = 0;
    virtual void closeWaitWindow() = 0;
    virtual void processEvents() = 0;
    // A long operation is over: what the cells show is told to the accessibility layer.
    virtual void announceCells() = 0;

    // Asks for the level of a puzzle made to order, the given one preselected; nothing when
    // the player cancels.
    virtual std::optional<steps::Level> chooseLevel(steps::Level preselected) = 0;

    virtual void closeWindow() = 0;

    virtual QString clipboardText() const = 0;
    virtual void setClipboardText(const QString& text) = 0;
};

}  // namespace ninefold
