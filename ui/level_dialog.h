// The small dialog that asks for the level of the next puzzle made to order: four choices,
// keys 1-4 or the arrows to choose, Enter to accept, Esc to cancel.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "engine/steps/level_generator.h"

class QRadioButton;

namespace ninefold {

class LevelDialog : public QDialog {
  public:
    LevelDialog(steps::Level preselected, QWidget* parent);

    steps::Level chosen() const;

    // Shows the dialog modally; the level accepted, or nothing when it was cancelled.
    static std::optional<steps::Level> ask(steps::Level preselected, QWidget* parent);

  protected:
    // The choice keys, whichever choice has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The choice keys that the buttons below leave to the dialog.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The choice a key leads to from the current one, or -1 when it is no choice key.
    int choiceAfter(const QKeyEvent& key) const;
    void select(int k);

    std::array<QRadioButton*, steps::kLevelCount> choices_{};
};

}  // namespace ninefold
