// Where the window puts everything: the client area, the cell boxes and the focus frame, the
// candidate panel and its boxes, and the menus with their shortcuts.
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include "tests/ui/game_fixture.h"
#include "ui/candidate_panel.h"
#include "ui/cell_box.h"
#include "ui/solve_box.h"

namespace ninefold::testing {
namespace {

constexpr int kGridEdge[] = {15, 50, 85, 130, 165, 200, 245, 280, 315};
constexpr int kPanelX[] = {10, 55, 100, 155, 200, 245, 300, 345, 390};
constexpr int kPanelY[] = {20, 66, 112, 168, 214, 260, 316, 362, 408};

using LayoutTest = GameTest;

TEST_F(LayoutTest, ClientAreaIsTheGridWithItsMarginAndTheWindowIsCentred) {
    EXPECT_EQ(game->centralWidget()->size(), QSize(360, 360));
    const QRect screen = game->screen()->geometry();
    const QRect frame = game->frameGeometry();
    EXPECT_EQ(frame.left() - screen.left(), (screen.width() - frame.width()) / 2);
    EXPECT_EQ(frame.top() - screen.top(), (screen.height() - frame.height()) / 2);
}

TEST_F(LayoutTest, EveryCellBoxSitsAtItsRowAndColumnEdges) {
    for (int i = 1; i <= kCellCount; ++i) {
        const auto [row, column] = CellRowCol(i);
        const QRect expected(kGridEdge[column - 1], kGridEdge[row - 1], 30, 30);
        EXPECT_EQ(cellBox(i)->geometry(), expected) << "cell " << i;
        EXPECT_TRUE(cellBox(i)->isVisible());
    }
}

TEST_F(LayoutTest, CellOneHasTheFocusAndTheFrameLiesJustOutsideIt) {
    EXPECT_EQ(session().CurrentCell(), 1);
    EXPECT_TRUE(cellBox(1)->hasFocus());
    EXPECT_EQ(focusFrame()->geometry(), QRect(14, 14, 32, 32));
}

TEST_F(LayoutTest, PanelStartsAtTheClientAreasRightEdgeWithItsBoxesLaidOutLikeTheGrid) {
    CandidatePanel* panel = candidatePanel();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), QRect(360, 8, 444, 463));
    EXPECT_EQ(panel->innerSize(), QSize(440, 459));
    const QPoint inner = panel->contentsRect().topLeft();
    for (int i = 1; i <= kCellCount; ++i) {
        const auto [row, column] = CellRowCol(i);
        const QRect expected(inner + QPoint(kPanelX[column - 1], kPanelY[row - 1]), QSize(40, 41));
        EXPECT_EQ(solveBox(i)->geometry(), expected) << "box " << i;
    }
}

TEST_F(LayoutTest, PanelHeaderIsCentredInTheBandAboveTheBoxes) {
    const CandidatePanel* panel = candidatePanel();
    EXPECT_EQ(panel->headerText(),
              QStringLiteral("Double-Click: Show available numbers for each block"));
    const int width = QFontMetrics(panel->font()).horizontalAdvance(panel->headerText());
    EXPECT_EQ(panel->headerPosition(), QPoint((440 - width) / 2, 3));
    EXPECT_LT(width, 440);
}

TEST_F(LayoutTest, EnlargingTheWindowUncoversThePanelAndKeepsTheGrid) {
    game->resize(900, 600);
    settle();
    EXPECT_EQ(cellBox(1)->pos(), QPoint(15, 15));
    EXPECT_EQ(cellBox(81)->pos(), QPoint(315, 315));
    EXPECT_EQ(candidatePanel()->pos(), QPoint(360, 8));
    EXPECT_TRUE(game->centralWidget()->rect().contains(candidatePanel()->geometry()));
}

TEST_F(LayoutTest, MenusCarryTheirCaptionsNamesAndShortcutsInOrder) {
    struct Row {
        QAction* action;
        const char* caption;
        const char* shortcut;
    };
    const Row rows[] = {
        {action("mnuLoad"), "Load", "Ctrl+O"},
        {action("mnuSave"), "Save as", "Ctrl+S"},
        {action("mnuExit"), "Exit", ""},
        {action("mnuNewGame"), "New", "F2"},
        {action("mnuGenerate"), "Generate", "F5"},
        {action("mnuSolve"), "Solve", "Ctrl+A"},
        {action("mnuCheck"), "Check Diagram", "Ctrl+C"},
        {action("mnuClear"), "Clear blue numbers", "Ctrl+Z"},
        {action("mnuAbout"), "About", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.action->text(), QLatin1String(row.caption));
        EXPECT_EQ(row.action->shortcut(), QKeySequence(QLatin1String(row.shortcut))) << row.caption;
    }
    const QList<QAction*> bar = game->menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), "File");
    EXPECT_EQ(bar[1]->text(), "Game");
    EXPECT_EQ(bar[2]->text(), "Help");
    // The recent-file entries come and go between the template and Sep1.
    const QList<QAction*> file = menu("mnuFile")->actions();
    const QList<QAction*> fileOrder = {action("mnuLoad"),   action("mnuSave"),
                                       action("SepRecent"), action("mnuRecentFile"),
                                       action("Sep1"),      action("mnuExit")};
    for (qsizetype k = 1; k < fileOrder.size(); ++k) {
        EXPECT_LT(file.indexOf(fileOrder[k - 1]), file.indexOf(fileOrder[k])) << k;
    }
    EXPECT_EQ(file.front(), action("mnuLoad"));
    EXPECT_EQ(file.back(), action("mnuExit"));
    const QList<QAction*> gameOrder = {
        action("mnuNewGame"), action("Sep3"), action("mnuGenerate"), action("mnuSolve"),
        action("mnuCheck"),   action("Sep2"), action("mnuClear")};
    EXPECT_EQ(menu("mnuGame")->actions(), gameOrder);
}

TEST_F(LayoutTest, DigitStartsCentredOnItselfLessTheLeadingBlank) {
    const QFontMetrics metrics(cellBox(1)->font());
    const QSize inner = cellBox(1)->contentsRect().size();
    for (int digit = 1; digit <= 9; ++digit) {
        const int w = metrics.horizontalAdvance(QString::number(digit));
        const QPoint at = DigitDrawingPosition(inner, metrics, digit);
        EXPECT_EQ(at.x(), (inner.width() - w) / 2 - 3);
        EXPECT_EQ(at.y(), (inner.height() - metrics.height()) / 2);
    }
}

TEST_F(LayoutTest, CellBoxPaintsItsDigitColourAndBackground) {
    session().board().SetCell(5, 7, true, BackColour::White);
    session().board().SetCell(6, 3, false, BackColour::Yellow);
    flushPaints();
    const QImage fixedCell = cellBox(5)->grab().toImage();
    const QImage programCell = cellBox(6)->grab().toImage();
    auto hasColour = [](const QImage& image, QColor colour) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(hasColour(fixedCell, kFixedDigitColour));
    EXPECT_FALSE(hasColour(fixedCell, kProgramDigitColour));
    EXPECT_EQ(fixedCell.pixelColor(15, 3), kWhiteBackground);
    EXPECT_TRUE(hasColour(programCell, kProgramDigitColour));
    EXPECT_EQ(programCell.pixelColor(15, 3), kYellowBackground);
}

}  // namespace
}  // namespace ninefold::testing
