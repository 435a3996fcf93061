// The wait window: its one- or two-line text, the fit around its label, the keys that set and
// clear the cancel flag, and the game window disabled exactly while it is shown.
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "tests/ui/game_fixture.h"
#include "ui/cell_box.h"
#include "ui/wait_window.h"

namespace ninefold::testing {
namespace {

using WaitWindowTest = GameTest;

void expectFittedAndCentred(const frmWait& wait) {
    const QLabel* label = wait.lblWait();
    const QRect client = wait.clientRect();
    EXPECT_EQ(client.size(), label->size() + QSize(50, 50));
    EXPECT_EQ(label->x() - client.x(), (client.width() - label->width()) / 2);
    EXPECT_EQ(label->y() - client.y(), (client.height() - label->height()) / 2);
}

TEST_F(WaitWindowTest, NotCancellableShowsOneLineAndKeepsTheCancelFlag) {
    session().EscPressed() = true;
    session().ShowWaitWindow(false);
    const frmWait* wait = waitWindow();
    ASSERT_NE(wait, nullptr);
    EXPECT_TRUE(wait->isVisible());
    EXPECT_EQ(wait->waitText(), "Please wait...");
    EXPECT_EQ(wait->lblWait()->text(), "Please wait...");
    EXPECT_TRUE(session().EscPressed());
    EXPECT_FALSE(game->isEnabled());
    EXPECT_TRUE(wait->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(wait->windowType(), Qt::Tool);
    expectFittedAndCentred(*wait);
    session().CloseWaitWindow();
}

TEST_F(WaitWindowTest, CancellableShowsTheEscLineAndClearsTheCancelFlag) {
    session().EscPressed() = true;
    session().ShowWaitWindow(true);
    const frmWait* wait = waitWindow();
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(wait->waitText(), "Please wait...\r\nPress Esc to cancel");
    EXPECT_EQ(wait->lblWait()->text(), "Please wait...\nPress Esc to cancel");
    EXPECT_FALSE(session().EscPressed());
    const int oneLine = QFontMetrics(wait->lblWait()->font()).height();
    EXPECT_GE(wait->lblWait()->height(), 2 * oneLine);
    expectFittedAndCentred(*wait);
    session().CloseWaitWindow();
}

TEST_F(WaitWindowTest, OnlyEscapeWithoutModifiersAsTheLastKeyCancels) {
    struct Stroke {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    struct Row {
        const char* what;
        std::vector<Stroke> keys;
        bool cancelled;
    };
    const Row rows[] = {
        {"Esc", {{Qt::Key_Escape, Qt::NoModifier}}, true},
        {"Shift+Esc", {{Qt::Key_Escape, Qt::ShiftModifier}}, false},
        {"Ctrl+Esc", {{Qt::Key_Escape, Qt::ControlModifier}}, false},
        {"Alt+Esc", {{Qt::Key_Escape, Qt::AltModifier}}, false},
        {"Esc then A", {{Qt::Key_Escape, Qt::NoModifier}, {Qt::Key_A, Qt::NoModifier}}, false},
        {"A then Esc", {{Qt::Key_A, Qt::NoModifier}, {Qt::Key_Escape, Qt::NoModifier}}, true},
    };
    session().ShowWaitWindow(true);
    for (const Row& row : rows) {
        session().EscPressed() = false;
        for (const Stroke& stroke : row.keys) {
            QTest::keyClick(waitWindow(), stroke.key, stroke.modifiers);
        }
        EXPECT_EQ(session().EscPressed(), row.cancelled) << row.what;
    }
    session().CloseWaitWindow();
}

TEST_F(WaitWindowTest, GameTakesNoInputWhileShownAndTakesItAgainAfterClosing) {
    cellBox(23)->setFocus();
    session().ShowWaitWindow(true);
    QTest::keyClick(cellBox(23), Qt::Key_4);
    QTest::mouseClick(cellBox(24), Qt::LeftButton);
    EXPECT_EQ(digits(), std::string(81, '.'));
    session().CloseWaitWindow();
    EXPECT_EQ(waitWindow(), nullptr);
    EXPECT_TRUE(game->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return cellBox(23)->hasFocus(); }, 2000));
    QTest::keyClick(cellBox(23), Qt::Key_4);
    EXPECT_EQ(cell(23).Digit, 4);
    session().CloseWaitWindow();  // nothing left to close
    EXPECT_TRUE(game->isEnabled());
}

// The game window can still be activated while disabled (a click, the window manager); the
// wait window takes the activation back, and a key that reaches the game window meanwhile is
// the wait window's.
TEST_F(WaitWindowTest, ActivatingTheGameWindowLeavesTheKeysWithTheWaitWindow) {
    session().ShowWaitWindow(true);
    frmWait* wait = waitWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(wait));
    game->activateWindow();
    QTest::qWait(100);  // the activation, and the hand-back it starts
    EXPECT_EQ(QApplication::activeWindow(), wait);
    QTest::keyClick(game->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(session().EscPressed());
    QTest::keyClick(game->windowHandle(), Qt::Key_A);
    EXPECT_FALSE(session().EscPressed());
    session().CloseWaitWindow();
}

TEST_F(WaitWindowTest, ThePlayerCannotCloseIt) {
    session().ShowWaitWindow(true);
    waitWindow()->close();
    ASSERT_NE(waitWindow(), nullptr);
    EXPECT_TRUE(waitWindow()->isVisible());
    EXPECT_FALSE(game->isEnabled());
    session().CloseWaitWindow();
}

TEST_F(WaitWindowTest, ClosingTheGameWindowClosesTheWaitWindow) {
    session().ShowWaitWindow(false);
    game->close();
    EXPECT_EQ(waitWindow(), nullptr);
    EXPECT_FALSE(game->isVisible());
}

}  // namespace
}  // namespace ninefold::testing
