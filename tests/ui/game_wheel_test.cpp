// The wheel in the game window: it steps the current cell wherever the pointer is.
#include <gtest/gtest.h>

#include <QTest>

#include "tests/ui/wheel_events.h"
#include "tests/ui/game_fixture.h"
#include "ui/candidate_panel.h"
#include "ui/cell_box.h"
#include "ui/mouse_wheel.h"
#include "ui/solve_box.h"

namespace ninefold::testing {
namespace {

class GameWheelTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        // Wide enough to show the candidate panel, so turns can happen over it.
        game->resize(900, 560);
        settle();
        cellBox(41)->setFocus();
        settle();
        ASSERT_EQ(session().CurrentCell(), 41);
    }
    QWidget* overPanel() const {
        QWidget* box = solveBox(13);
        const QPoint centre = box->mapTo(game.get(), box->rect().center());
        EXPECT_TRUE(game->rect().contains(centre));
        return box;
    }
};

TEST_F(GameWheelTest, TurnsOverThePanelStepTheCurrentCell) {
    SendWheel(overPanel(), kAway);
    EXPECT_EQ(cell(41), (CellState{1, true}));
    SendWheel(overPanel(), kTowards);
    SendWheel(cellBox(1), kTowards);
    EXPECT_EQ(cell(41), (CellState{9, true}));
    EXPECT_EQ(cell(1).Digit, 0);
    EXPECT_EQ(session().board().Background(41), BackColour::White);
}

TEST_F(GameWheelTest, NoDistanceStepsDownAndSidewaysDoesNothing) {
    SendWheel(cellBox(41), QPoint(0, 0));
    EXPECT_EQ(cell(41).Digit, 9);
    SendWheel(cellBox(41), QPoint(120, 0));
    SendWheel(cellBox(41), QPoint(0, 0), QPoint(-8, 0), false, Qt::ScrollUpdate);
    EXPECT_EQ(cell(41).Digit, 9);
}

TEST_F(GameWheelTest, NothingWhileTheWaitWindowIsUpOrAfterClosing) {
    session().ShowWaitWindow(true);
    SendWheel(cellBox(41), kAway);
    session().CloseWaitWindow();
    settle();
    EXPECT_EQ(cell(41).Digit, 0);

    game->close();
    SendWheel(cellBox(41), kAway);
    EXPECT_EQ(cell(41).Digit, 0);
    // The window has let go of its wheel object: whatever the hook still holds points nowhere.
    EXPECT_TRUE(mdlScroll::ActiveWheel == nullptr || mdlScroll::ActiveWheel->Form() == nullptr);
}

}  // namespace
}  // namespace ninefold::testing
