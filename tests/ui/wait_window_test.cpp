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
    game->board().EscPressed = true;
    game->ShowWaitWindow(false);
    const frmWait* wait = game->WaitWindow();
    ASSERT_NE(wait, nullptr);
    EXPECT_TRUE(wait->isVisible());
    EXPECT_EQ(wait->waitText(), "Please wait...");
    EXPECT_EQ(wait->lblWait()->text(), "Please wait...");
    EXPECT_TRUE(game->board().EscPressed);
    EXPECT_FALSE(game->isEnabled());
    EXPECT_TRUE(wait->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(wait->windowType(), Qt::Tool);
    expectFittedAndCentred(*wait);
    game->CloseWaitWindow();
}

TEST_F(WaitWindowTest, CancellableShowsTheEscLineAndClearsTheCancelFlag) {
    game->board().EscPressed = true;
    game->ShowWaitWindow(true);
    const frmWait* wait = game->WaitWindow();
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(wait->waitText(), "Please wait...\r\nPress Esc to cancel");
    EXPECT_EQ(wait->lblWait()->text(), "Please wait...\nPress Esc to cancel");
    EXPECT_FALSE(game->board().EscPressed);
    const int oneLine = QFontMetrics(wait->lblWait()->font()).height();
    EXPECT_GE(wait->lblWait()->height(), 2 * oneLine);
    expectFittedAndCentred(*wait);
    game->CloseWaitWindow();
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
    game->ShowWaitWindow(true);
    for (const Row& row : rows) {
        game->board().EscPressed = false;
        for (const Stroke& stroke : row.keys) {
            QTest::keyClick(game->WaitWindow(), stroke.key, stroke.modifiers);
        }
        EXPECT_EQ(game->board().EscPressed, row.cancelled) << row.what;
    }
    game->CloseWaitWindow();
}

TEST_F(WaitWindowTest, GameTakesNoInputWhileShownAndTakesItAgainAfterClosing) {
    game->Ninefold(23)->setFocus();
    game->ShowWaitWindow(true);
    QTest::keyClick(game->Ninefold(23), Qt::Key_4);
    QTest::mouseClick(game->Ninefold(24), Qt::LeftButton);
    EXPECT_EQ(digits(), std::string(81, '.'));
    game->CloseWaitWindow();
    EXPECT_EQ(game->WaitWindow(), nullptr);
    EXPECT_TRUE(game->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return game->Ninefold(23)->hasFocus(); }, 2000));
    QTest::keyClick(game->Ninefold(23), Qt::Key_4);
    EXPECT_EQ(cell(23).Digit, 4);
    game->CloseWaitWindow();  // nothing left to close
    EXPECT_TRUE(game->isEnabled());
}

// The game window can still be activated while disabled (a click, the window manager); the
// wait window takes the activation back, and a key that reaches the game window meanwhile is
// the wait window's.
TEST_F(WaitWindowTest, ActivatingTheGameWindowLeavesTheKeysWithTheWaitWindow) {
    game->ShowWaitWindow(true);
    frmWait* wait = game->WaitWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(wait));
    game->activateWindow();
    QTest::qWait(100);  // the activation, and the hand-back it starts
    EXPECT_EQ(QApplication::activeWindow(), wait);
    QTest::keyClick(game->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(game->board().EscPressed);
    QTest::keyClick(game->windowHandle(), Qt::Key_A);
    EXPECT_FALSE(game->board().EscPressed);
    game->CloseWaitWindow();
}

TEST_F(WaitWindowTest, ThePlayerCannotCloseIt) {
    game->ShowWaitWindow(true);
    game->WaitWindow()->close();
    ASSERT_NE(game->WaitWindow(), nullptr);
    EXPECT_TRUE(game->WaitWindow()->isVisible());
    EXPECT_FALSE(game->isEnabled());
    game->CloseWaitWindow();
}

TEST_F(WaitWindowTest, ClosingTheGameWindowClosesTheWaitWindow) {
    game->ShowWaitWindow(false);
    game->close();
    EXPECT_EQ(game->WaitWindow(), nullptr);
    EXPECT_FALSE(game->isVisible());
}

}  // namespace
}  // namespace ninefold::testing
