// Where the window puts everything: the client area, the cell boxes and the focus frame, the
// candidate panel and its boxes, and the menus with their shortcuts.
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include "tests/ui/game_fixture.h"
#include "ui/candidate_panel.h"
#include "ui/cell_box.h"

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
        EXPECT_EQ(game->Ninefold(i)->geometry(), expected) << "cell " << i;
        EXPECT_TRUE(game->Ninefold(i)->isVisible());
    }
}

TEST_F(LayoutTest, CellOneHasTheFocusAndTheFrameLiesJustOutsideIt) {
    EXPECT_EQ(game->CurrentCell, 1);
    EXPECT_TRUE(game->Ninefold(1)->hasFocus());
    EXPECT_EQ(game->Shape1()->geometry(), QRect(14, 14, 32, 32));
    EXPECT_EQ(game->LastButton, 0);
}

TEST_F(LayoutTest, PanelStartsAtTheClientAreasRightEdgeWithItsBoxesLaidOutLikeTheGrid) {
    CandidatePanel* panel = game->picSolveHolder();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), QRect(360, 8, 444, 463));
    EXPECT_EQ(panel->innerSize(), QSize(440, 459));
    const QPoint inner = panel->contentsRect().topLeft();
    for (int i = 1; i <= kCellCount; ++i) {
        const auto [row, column] = CellRowCol(i);
        const QRect expected(inner + QPoint(kPanelX[column - 1], kPanelY[row - 1]), QSize(40, 41));
        EXPECT_EQ(game->Solve(i)->geometry(), expected) << "box " << i;
    }
}

TEST_F(LayoutTest, PanelHeaderIsCentredInTheBandAboveTheBoxes) {
    const CandidatePanel* panel = game->picSolveHolder();
    EXPECT_EQ(panel->headerText(),
              QStringLiteral("Double-Click: Show available numbers for each block"));
    const int width = QFontMetrics(panel->font()).horizontalAdvance(panel->headerText());
    EXPECT_EQ(panel->headerPosition(), QPoint((440 - width) / 2, 3));
    EXPECT_LT(width, 440);
}

TEST_F(LayoutTest, EnlargingTheWindowUncoversThePanelAndKeepsTheGrid) {
    game->resize(900, 600);
    settle();
    EXPECT_EQ(game->Ninefold(1)->pos(), QPoint(15, 15));
    EXPECT_EQ(game->Ninefold(81)->pos(), QPoint(315, 315));
    EXPECT_EQ(game->picSolveHolder()->pos(), QPoint(360, 8));
    EXPECT_TRUE(game->centralWidget()->rect().contains(game->picSolveHolder()->geometry()));
}

TEST_F(LayoutTest, MenusCarryTheirCaptionsNamesAndShortcutsInOrder) {
    struct Row {
        QAction* action;
        const char* caption;
        const char* shortcut;
    };
    const Row rows[] = {
        {game->mnuLoad, "Load", "Ctrl+O"},
        {game->mnuSave, "Save as", "Ctrl+S"},
        {game->mnuExit, "Exit", ""},
        {game->mnuNewGame, "New", "F2"},
        {game->mnuGenerate, "Generate", "F5"},
        {game->mnuSolve, "Solve", "Ctrl+A"},
        {game->mnuCheck, "Check Diagram", "Ctrl+C"},
        {game->mnuClear, "Clear blue numbers", "Ctrl+Z"},
        {game->mnuAbout, "About", ""},
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
    const QList<QAction*> file = game->mnuFile->actions();
    const QList<QAction*> fileOrder = {game->mnuLoad,          game->mnuSave, game->SepRecent,
                                       game->mnuRecentFile(0), game->Sep1,    game->mnuExit};
    for (qsizetype k = 1; k < fileOrder.size(); ++k) {
        EXPECT_LT(file.indexOf(fileOrder[k - 1]), file.indexOf(fileOrder[k])) << k;
    }
    EXPECT_EQ(file.front(), game->mnuLoad);
    EXPECT_EQ(file.back(), game->mnuExit);
    const QList<QAction*> gameOrder = {game->mnuNewGame, game->Sep3,     game->mnuGenerate,
                                       game->mnuSolve,   game->mnuCheck, game->Sep2,
                                       game->mnuClear};
    EXPECT_EQ(game->mnuGame->actions(), gameOrder);
}

TEST_F(LayoutTest, DigitStartsCentredOnItselfLessTheLeadingBlank) {
    const QFontMetrics metrics(game->Ninefold(1)->font());
    const QSize inner = game->Ninefold(1)->contentsRect().size();
    for (int digit = 1; digit <= 9; ++digit) {
        const int w = metrics.horizontalAdvance(QString::number(digit));
        const QPoint at = DigitDrawingPosition(inner, metrics, digit);
        EXPECT_EQ(at.x(), (inner.width() - w) / 2 - 3);
        EXPECT_EQ(at.y(), (inner.height() - metrics.height()) / 2);
    }
}

TEST_F(LayoutTest, CellBoxPaintsItsDigitColourAndBackground) {
    game->board().SetCell(5, 7, true, BackColour::White);
    game->board().SetCell(6, 3, false, BackColour::Yellow);
    game->FlushCellPaints();
    const QImage fixedCell = game->Ninefold(5)->grab().toImage();
    const QImage programCell = game->Ninefold(6)->grab().toImage();
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
