// The wait window: its text, its place in front of the game window, its keys and closing.
#include "ui/wait_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <cstring>

#ifdef NINEFOLD_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

#include "ui/fonts.h"
#include "ui/key_codes.h"
#include "ui/qt_message_seam.h"

namespace ninefold {

namespace {

#ifdef NINEFOLD_HAVE_XCB
xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}
#endif

// The window's name as the window manager sees it, which taskbars and window lists show, is
// made empty. Qt never leaves it empty on X11: for an empty title it names the window after
// the application, so the properties are written here, after Qt has written its own.
void ClearWindowManagerName(QWidget& window) {
#ifdef NINEFOLD_HAVE_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t netWmName = internAtom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = internAtom(connection, "UTF8_STRING");
    if (netWmName != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netWmName, utf8, 8, 0, "");
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        0, "");
    xcb_flush(connection);
#else
    (void)window;
#endif
}

}  // namespace

std::string WaitText() {
    return QCoreApplication::translate("frmWait", "Please wait...").toStdString();
}

std::string WaitCancelText() {
    return WaitText() + "\r\n" +
           QCoreApplication::translate("frmWait", "Press Esc to cancel").toStdString();
}

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

void frmWait::present(QWidget& owner) {
    if (!placed_) {
        placed_ = true;
        winId();
        ClearWindowManagerName(*this);
        if (QWindow* own = owner.windowHandle()) {
            windowHandle()->setTransientParent(own);
        }
        const QRect screen = owner.screen()->geometry();
        move(screen.x() + (screen.width() - width()) / 2,
             screen.y() + (screen.height() - height()) / 2);
    }
    show();
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
    // The caller keeps the thread busy next, so the window is drawn here and now: once it is
    // mapped (briefly letting window-system events through, never input) it is painted.
    const QDeadlineTimer deadline(200);
    while (!windowHandle()->isExposed() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
    repaint();
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

}  // namespace ninefold
