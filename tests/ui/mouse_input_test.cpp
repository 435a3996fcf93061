// Mouse presses and double-clicks on a cell box step its digit by the button, and the focus
// follows the pointer only while the game window is the active window.
#include <QMessageBox>
#include <QTest>

#include "tests/ui/game_fixture.h"
#include "ui/cell_box.h"

namespace ninefold::testing {
namespace {

using MouseInputTest = GameTest;

struct PressRow {
    const char* what;
    int start;
    Qt::MouseButton button;
    int digit;
};

TEST_F(MouseInputTest, EachButtonStepsOrEmptiesTheCell) {
    const PressRow rows[] = {
        {"left on empty", 0, Qt::LeftButton, 1},
        {"left on 9 empties", 9, Qt::LeftButton, 0},
        {"right on empty gives 9", 0, Qt::RightButton, 9},
        {"right on 5", 5, Qt::RightButton, 4},
        {"middle empties", 7, Qt::MiddleButton, 0},
    };
    int pressCell = 30;
    for (const PressRow& row : rows) {
        ++pressCell;  // a new cell each time, so no two presses make a double-click
        session().board().SetCell(pressCell, row.start, false, BackColour::Yellow);
        QTest::mouseClick(cellBox(pressCell), row.button);
        EXPECT_EQ(cell(pressCell).Digit, row.digit) << row.what;
        EXPECT_EQ(cell(pressCell).Fixed, row.digit != 0) << row.what;
        EXPECT_EQ(session().board().Background(pressCell), BackColour::White) << row.what;
    }
}

TEST_F(MouseInputTest, DoubleClickStepsTwiceInTheDirectionOfItsButton) {
    QTest::mouseDClick(cellBox(10), Qt::LeftButton);
    EXPECT_EQ(cell(10).Digit, 2);
    QTest::mouseDClick(cellBox(20), Qt::RightButton);
    EXPECT_EQ(cell(20).Digit, 8);
    session().board().SetCell(30, 6, true, BackColour::White);
    QTest::mouseDClick(cellBox(30), Qt::MiddleButton);
    EXPECT_EQ(cell(30).Digit, 0);
}

TEST_F(MouseInputTest, FocusFollowsThePointerWhileTheWindowIsActive) {
    QTest::mouseMove(cellBox(50));
    EXPECT_EQ(session().CurrentCell(), 50);
    EXPECT_EQ(focusFrame()->pos(), QPoint(165 - 1, 200 - 1));
    QTest::mouseMove(cellBox(80));
    EXPECT_EQ(session().CurrentCell(), 80);
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
