// Keeps the keys pressed in a dialog, a message box or a menu of the game off the board: a key
// still held when its box closes goes on arriving, now at the game window (auto-repeat, or a
// press the box left to its owner), and would write into the current cell.
#pragma once

#include <QObject>
#include <QSet>

class QWidget;

namespace ninefold {

class ModalKeyGuard : public QObject {
  public:
    // Watches every key of the application for the given game window.
    explicit ModalKeyGuard(QWidget* gameWindow);
    ~ModalKeyGuard() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* gameWindow_;
    // Keys pressed in another window of the game and not yet released.
    QSet<int> heldElsewhere_;
};

}  // namespace ninefold
