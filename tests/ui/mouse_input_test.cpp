// Mouse presses and double-clicks on a cell box step its digit by the button, and the focus
// follows the pointer only while the game window is the active window.
#include <QMessageBox>
#include <QTest>
#include <utility>

#include "tests/ui/game_fixture.h"
#include "ui/cell_box.h"

namespace ninefold::testing {
namespace {

using MouseInputTest = GameTest;

// The buttons' steps are the session's; here each real button and a double-click reach it.
TEST_F(MouseInputTest, ButtonsAndDoubleClicksOnACellBoxReachTheSession) {
    const std::pair<Qt::MouseButton, int> rows[] = {
        {Qt::LeftButton, 6}, {Qt::RightButton, 4}, {Qt::MiddleButton, 0}};
    int pressCell = 30;
    for (const auto& [button, digit] : rows) {
        ++pressCell;  // a new cell each time, so no two presses make a double-click
        session().board().SetCell(pressCell, 5, false, BackColour::White);
        QTest::mouseClick(cellBox(pressCell), button);
        EXPECT_EQ(cell(pressCell).Digit, digit) << button;
    }
    QTest::mouseDClick(cellBox(10), Qt::LeftButton);
    EXPECT_EQ(cell(10).Digit, 2) << "the press, then the double-click's repeat";
}

TEST_F(MouseInputTest, FocusFollowsThePointerWhileTheWindowIsActive) {
    QTest::mouseMove(cellBox(50));
    EXPECT_EQ(session().CurrentCell(), 50);
    EXPECT_EQ(focusFrame()->pos(), QPoint(165 - 1, 200 - 1));
    EXPECT_EQ(digits(), std::string(81, '.'));
}

TEST_F(MouseInputTest, PointerDoesNotMoveTheFocusWhileAnotherWindowIsInFront) {
    QMessageBox box(QMessageBox::Information, "Ninefold", "in front", QMessageBox::Ok);
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    session().Ninefold_MouseMove(60, 0, 0, 3, 3);
    EXPECT_EQ(session().CurrentCell(), 1);
    box.close();
}

}  // namespace
}  // namespace ninefold::testing
