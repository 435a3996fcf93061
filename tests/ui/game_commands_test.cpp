// The Game and Help menus' commands as the player sees them: their message boxes (kind and
// exact text), the marks and digits they leave, the wait window around the search and the
// generator, cancelling with Esc, and closing the window while the search runs.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "engine/conflicts.h"
#include "engine/diagram_check.h"
#include "tests/ui/game_fixture.h"
#include "ui/qt_message_seam.h"
#include "ui/wait_window.h"

namespace ninefold::testing {
namespace {

constexpr const char* kEmpty =
    ".................................................................................";
constexpr const char* kSmallestGrid =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
constexpr const char* kNoSolution = "This puzzle hasn't any solution!";

using GameCommandsTest = GameTest;

// Runs f at the search's first event pump.
void atFirstPump(std::function<void()> f) {
    QTimer::singleShot(0, std::move(f));
}

TEST_F(GameCommandsTest, NewAsksAndEmptiesOnlyOnYes) {
    load("12.......3.......................................................................");
    session().board().SetCell(2, 2, true, BackColour::Yellow);
    messages.answers = {false};
    session().mnuNewGame_Click();
    EXPECT_EQ(
        messages.shown,
        (std::vector<Shown>{{Box::Question, "Manual entries will be lost.\r\nAre you sure?"}}));
    EXPECT_EQ(digits().substr(0, 11), "12.......3.");
    EXPECT_EQ(session().board().Background(2), BackColour::Yellow);
    messages.answers = {true};
    session().mnuNewGame_Click();
    EXPECT_EQ(digits(), kEmpty);
    EXPECT_EQ(session().board().Background(2), BackColour::White);
    EXPECT_FALSE(cell(1).Fixed);
}

TEST_F(GameCommandsTest, ClearRemovesOnlyTheProgramsDigits) {
    session().board().SetCell(1, 5, true, BackColour::Yellow);
    session().board().SetCell(2, 6, false, BackColour::White);
    session().mnuClear_Click();
    EXPECT_EQ(cell(1), (CellState{5, true}));
    EXPECT_EQ(session().board().Background(1), BackColour::Yellow);
    EXPECT_EQ(cell(2).Digit, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(GameCommandsTest, CheckReportsInOneInformationBoxAndLeavesTheMarks) {
    load("11...............................................................................");
    session().mnuCheck_Click();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].box, Box::Information);
    const std::string& text = messages.shown[0].text;
    EXPECT_EQ(text.rfind("1- 2 errors found in entries!\r\n2- No logical error found.\r\n"
                         "3- Correct this errors:\r\n",
                         0),
              0U)
        << text;
    EXPECT_EQ(session().board().Background(1), BackColour::Yellow);
    EXPECT_EQ(session().board().Background(2), BackColour::Yellow);
    EXPECT_EQ(session().board().Background(3), BackColour::White);
    session().mnuCheck_Click();
    ASSERT_EQ(messages.shown.size(), 2U);
    EXPECT_EQ(messages.shown[1], messages.shown[0]);

    load(kSmallestGrid);
    session().mnuCheck_Click();
    EXPECT_EQ(messages.shown.back(),
              (Shown{Box::Information,
                     "1- Entries matched.\r\n2- No logical error found.\r\n3- Puzzle solved."}));
}

TEST_F(GameCommandsTest, SolveFillsAnEmptyBoardWithTheSmallestGridInTheProgramsColour) {
    session().mnuSolve_Click();
    EXPECT_EQ(digits(), kSmallestGrid);
    EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Information, "Puzzle solved."}}));
    for (int i = 1; i <= kCellCount; ++i) {
        EXPECT_FALSE(cell(i).Fixed);
        EXPECT_EQ(session().board().Background(i), BackColour::White);
    }
    EXPECT_EQ(waitWindow(), nullptr);
    EXPECT_TRUE(game->isEnabled());
    EXPECT_FALSE(session().OperationRunning());
}

TEST_F(GameCommandsTest, SolveOnACompleteBoardOnlyReportsSolved) {
    load(kSmallestGrid);
    session().mnuSolve_Click();
    EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Information, "Puzzle solved."}}));
    EXPECT_EQ(digits(), kSmallestGrid);
}

TEST_F(GameCommandsTest, SolveWithClashingDigitsRefusesThenReportsNoSolution) {
    load("11...............................................................................");
    session().mnuSolve_Click();
    EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Exclamation, "Please check entries."},
                                                  {Box::Exclamation, kNoSolution}}));
    EXPECT_EQ(session().board().Background(1), BackColour::Yellow);
    EXPECT_EQ(session().board().Background(2), BackColour::Yellow);
    EXPECT_TRUE(game->isEnabled());
}

TEST_F(GameCommandsTest, EscInTheWaitWindowStopsTheSearchAtItsNextPump) {
    bool sawWaitWindow = false;
    atFirstPump([&] {
        frmWait* wait = waitWindow();
        sawWaitWindow = wait != nullptr && wait->isVisible() && !game->isEnabled();
        if (wait != nullptr) {
            QTest::keyClick(wait, Qt::Key_Escape);
        }
    });
    session().mnuSolve_Click();
    EXPECT_TRUE(sawWaitWindow);
    EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Exclamation, kNoSolution}}));
    EXPECT_NE(digits(), kSmallestGrid);
    EXPECT_NE(cell(1).Digit, 0) << "the first guess stays on the board";
    EXPECT_TRUE(game->isEnabled());
    EXPECT_EQ(waitWindow(), nullptr);
}

TEST_F(GameCommandsTest, ClosingTheWindowDuringTheSearchStopsItAndClosesAfterwards) {
    bool stillOpenDuringSearch = false;
    atFirstPump([&] {
        game->close();
        stillOpenDuringSearch = game->isVisible() && waitWindow() != nullptr;
    });
    session().mnuSolve_Click();
    EXPECT_TRUE(stillOpenDuringSearch);
    EXPECT_FALSE(game->isVisible());
    EXPECT_EQ(waitWindow(), nullptr);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(session().OperationRunning());
}

TEST_F(GameCommandsTest, GenerateLeavesACompleteGridWhoseGivensAreFixed) {
    session().mnuGenerate_Click();
    ASSERT_EQ(messages.shown.size(), 1U);
    const Shown& shown = messages.shown[0];
    if (shown.text == "Ready.") {
        EXPECT_EQ(shown.box, Box::Information);
    } else {
        EXPECT_EQ(shown.box, Box::Exclamation);
        EXPECT_NE(shown.text.find(" Retr"), std::string::npos) << shown.text;
    }
    EXPECT_EQ(CountMissingDigits(session().board()), 0);
    int givens = 0;
    for (int i = 1; i <= kCellCount; ++i) {
        givens += cell(i).Fixed ? 1 : 0;
    }
    EXPECT_GT(givens, 0);
    EXPECT_LT(givens, kCellCount);
    EXPECT_EQ(waitWindow(), nullptr);
    EXPECT_TRUE(game->isEnabled());
}

TEST_F(GameCommandsTest, AboutNamesTheAuthorsAndExitClosesWithoutAsking) {
    session().mnuAbout_Click();
    EXPECT_EQ(messages.shown,
              (std::vector<Shown>{{Box::Plain, "Created by:\r\n  The Ninefold developers"}}));
    session().board().SetCell(1, 5, true, BackColour::White);
    session().mnuExit_Click();
    EXPECT_FALSE(game->isVisible());
    EXPECT_EQ(messages.shown.size(), 1U);
}

TEST(QtMessageSeam, ShowsTheGamesLineBreaksAsLineBreaks) {
    EXPECT_EQ(QtMessageSeam::displayText("1- a\r\n2- b\r\n"), QStringLiteral("1- a\n2- b\n"));
    EXPECT_EQ(QtMessageSeam::displayText("a\rb"), QStringLiteral("a\nb"));
}

// Check Diagram on an empty grid gives the tallest report. On a screen too short for it (run
// once more on a 768-pixel screen at 150 %), the box must stay within the screen's free
// area with its OK button in view, and show the report unchanged.
TEST(QtMessageSeam, TallReportKeepsTheBoxAndItsButtonOnTheScreen) {
    Board board;
    const std::string report = CheckDiagram(board);
    QWidget owner;
    owner.show();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        const QRect free = box->screen()->availableGeometry();
        EXPECT_TRUE(free.contains(box->frameGeometry())) << box->frameGeometry().height();
        const QAbstractButton* ok = box->button(QMessageBox::Ok);
        EXPECT_TRUE(free.contains(QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size())));
        EXPECT_TRUE(box->rect().contains(QRect(ok->mapTo(box, QPoint(0, 0)), ok->size())));
        const QLabel* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        EXPECT_TRUE(label->isVisible());
        EXPECT_EQ(label->text(), QtMessageSeam::displayText(report));
        box->button(QMessageBox::Ok)->click();
    });
    QtMessageSeam(&owner).information(report);
    EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace ninefold::testing
