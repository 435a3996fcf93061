// The wait window, and the game window's ShowWaitWindow and CloseWaitWindow around it.
#include "ui/wait_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QWindow>

#include "ui/cell_box.h"
#include "ui/fonts.h"
#include "ui/game_window.h"
#include "ui/key_codes.h"
#include "ui/message_seam.h"

namespace ninefold {

frmWait::frmWait(bool& escPressed, std::function<void()> onClosed)
    : QFrame(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      escPressed_(escPressed),
      onClosed_(std::move(onClosed)),
      lblWait_(new QLabel(this)) {
    setObjectName(QStringLiteral("frmWait"));
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    setFocusPolicy(Qt::StrongFocus);
    lblWait_->setObjectName(QStringLiteral("lblWait"));
    lblWait_->setFont(WaitFont());
    lblWait_->setFocusPolicy(Qt::NoFocus);
    lblWait_->setTextFormat(Qt::PlainText);
    lblWait_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

frmWait::~frmWait() = default;

void frmWait::setWaitText(const std::string& text) {
    text_ = text;
    lblWait_->setText(QtMessageSeam::displayText(text));
    // The window itself takes the focus, so a screen reader reads the text from it.
    setAccessibleDescription(lblWait_->text());
    lblWait_->adjustSize();
    autoFit();
}

void frmWait::autoFit() {
    const QSize label = lblWait_->size();
    const QSize border = size() - contentsRect().size();
    resize(border.width() + label.width() + 2 * kWaitMargin,
           border.height() + label.height() + 2 * kWaitMargin);
    const QRect client = contentsRect();
    lblWait_->move(client.left() + (client.width() - label.width()) / 2,
                   client.top() + (client.height() - label.height()) / 2);
}

void frmWait::closeWindow() {
    closing_ = true;
    close();
}

void frmWait::keyPressEvent(QKeyEvent* event) {
    const KeyStroke stroke = TranslateKey(*event);
    escPressed_ = stroke.code == KeyCode::Escape && stroke.shift == 0;
    event->accept();
}

void frmWait::closeEvent(QCloseEvent* event) {
    // The player cannot close the window; the running operation closes it when it ends.
    if (!closing_) {
        event->ignore();
        return;
    }
    event->accept();
    if (onClosed_) {
        onClosed_();
    }
}

// --- the game window's side ---------------------------------------------------------------

void frmGame::ShowWaitWindow(bool cancellable) {
    setEnabled(false);
    if (cancellable) {
        board_.EscPressed = false;
    }
    const bool created = !wait_;
    if (created) {
        wait_ = std::make_unique<frmWait>(board_.EscPressed, [this] { onWaitWindowClosed(); });
        wait_->setFont(font());
    }
    wait_->setWaitText(cancellable ? kWaitCancelText : kWaitText);
    if (created) {
        wait_->winId();
        if (QWindow* own = windowHandle()) {
            wait_->windowHandle()->setTransientParent(own);
        }
        const QRect screen = this->screen()->geometry();
        wait_->move(screen.x() + (screen.width() - wait_->width()) / 2,
                    screen.y() + (screen.height() - wait_->height()) / 2);
    }
    wait_->show();
    wait_->raise();
    wait_->activateWindow();
    wait_->setFocus(Qt::ActiveWindowFocusReason);
    // The caller keeps the thread busy next, so the window is drawn here and now: once it is
    // mapped (briefly letting window-system events through, never input) it is painted.
    const QDeadlineTimer deadline(200);
    while (!wait_->windowHandle()->isExposed() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
    wait_->repaint();
}

void frmGame::CloseWaitWindow() {
    if (!wait_) {
        return;
    }
    wait_->closeWindow();
    wait_.reset();
}

void frmGame::onWaitWindowClosed() {
    setEnabled(true);
    // Disabling took the focus from the current cell; give it back as the platform does
    // when a disabled window is enabled again.
    if (CurrentCell >= 1 && CurrentCell <= kCellCount && isVisible()) {
        activateWindow();
        Ninefold(CurrentCell)->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace ninefold
