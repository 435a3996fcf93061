// The wait window frmWait: "Please wait..." (and, when the operation can be cancelled, "Press
// Esc to cancel") in a small window without title bar, shown while a long operation keeps the
// game window disabled. Its keys set or clear the game's cancel flag.
#pragma once

#include <QFrame>
#include <functional>
#include <string>

class QLabel;

namespace ninefold {

// The two texts in the player's language: "Please wait...", and for an operation that can be
// cancelled a second line "Press Esc to cancel" (CR LF between them).
std::string WaitText();
std::string WaitCancelText();
// The margin between the label and each edge of the client area.
inline constexpr int kWaitMargin = 25;

class frmWait : public QFrame {
    Q_OBJECT

  public:
    // escPressed is the game's cancel flag; onClosed runs when the window has closed.
    frmWait(bool& escPressed, std::function<void()> onClosed);
    ~frmWait() override;

    // Sets the label's text (CR LF breaks lines) and fits the window around it.
    void setWaitText(const std::string& text);
    const std::string& waitText() const { return text_; }
    QLabel* lblWait() const { return lblWait_; }
    // The area inside the border.
    QRect clientRect() const { return contentsRect(); }

    // Shows the window in front of owner, centred on owner's screen the first time, and
    // draws it at once.
    void present(QWidget& owner);
    // Closes the window; the only way it closes.
    void closeWindow();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void autoFit();

    bool& escPressed_;
    std::function<void()> onClosed_;
    QLabel* lblWait_;
    std::string text_;
    bool closing_ = false;
    bool placed_ = false;
};

}  // namespace ninefold
