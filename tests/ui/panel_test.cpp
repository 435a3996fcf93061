// The candidate panel's widgets: boxes drawn at the first double-click and kept until the next,
// each digit's slot and ink, and a real drag by the grabbed point.
#include <QTest>

#include "engine/candidates.h"
#include "tests/ui/game_fixture.h"
#include "ui/candidate_panel.h"
#include "ui/solve_box.h"

namespace ninefold::testing {
namespace {

using Entries = std::array<uint8_t, 9>;
constexpr Entries kAll = {1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr Entries kNone = {};

// The window enlarged so the whole panel is in view, as the player has to.
class PanelTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        game->resize(900, 600);
        settle();
    }
};

// The pixels of a box that show ink rather than the background.
int possiblePixels(const SolveBox* box, QRect within) {
    const QImage image = const_cast<SolveBox*>(box)->grab().toImage();
    int count = 0;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            count += image.pixelColor(x, y) != box->excludedColour() ? 1 : 0;
        }
    }
    return count;
}

void doubleClickPanelAt(QWidget* panel, QPoint at) {
    QTest::mouseDClick(panel, Qt::LeftButton, {}, at);
}

// What the boxes show is the session's; here they stay blank until the first double-click, a
// double-click over a box reaches the panel, and a change of the board alone redraws nothing.
TEST_F(PanelTest, BoxesStayBlankUntilADoubleClickAndKeepItsStateUntilTheNext) {
    EXPECT_FALSE(solveBox(1)->drawn());
    EXPECT_EQ(possiblePixels(solveBox(1), solveBox(1)->rect()), 0);
    doubleClickPanelAt(candidatePanel(), QPoint(3, 3));
    for (int i = 1; i <= kCellCount; ++i) {
        ASSERT_TRUE(solveBox(i)->drawn()) << "box " << i;
    }
    session().board().SetCell(1, 4, true, BackColour::White);
    EXPECT_EQ(solveBox(1)->entries(), kAll);
    doubleClickPanelAt(candidatePanel(), solveBox(6)->geometry().center());
    EXPECT_EQ(solveBox(1)->entries(), kNone);
    EXPECT_EQ(solveBox(2)->entries(), (Entries{1, 2, 3, 0, 5, 6, 7, 8, 9}));
}

TEST_F(PanelTest, DigitsKeepTheirSlotsInAThreeByThreePatternThatFitsTheBox) {
    load("1234.6789........................................................................");
    doubleClickPanelAt(candidatePanel(), QPoint(3, 3));
    const SolveBox* box = solveBox(5);
    EXPECT_EQ(box->entries(), (Entries{0, 0, 0, 0, 5, 0, 0, 0, 0}));
    const int lineHeight = QFontMetrics(box->font()).height();
    for (int d = 1; d <= 9; ++d) {
        const QPoint slot = box->slotPosition(d);
        EXPECT_EQ(slot.y(), ((d - 1) / 3) * lineHeight) << d;
        EXPECT_EQ(slot, solveBox(9)->slotPosition(d)) << "same place in every box";
        if ((d - 1) % 3 > 0) {
            EXPECT_GT(slot.x(), box->slotPosition(d - 1).x());
        }
    }
    const int slotWidth = box->slotPosition(6).x() - box->slotPosition(5).x();
    EXPECT_LE(box->slotPosition(9).x() + slotWidth - 1, kSolveBoxWidth);
    EXPECT_LE(3 * lineHeight, kSolveBoxHeight);
    // Only the middle slot carries ink; a filled cell's box shows none.
    const QRect middle(box->slotPosition(5), QSize(slotWidth, lineHeight));
    EXPECT_GT(possiblePixels(box, middle), 0);
    EXPECT_EQ(possiblePixels(box, box->rect()), possiblePixels(box, middle));
    EXPECT_EQ(solveBox(1)->entries(), kNone);
    EXPECT_EQ(possiblePixels(solveBox(1), solveBox(1)->rect()), 0);
}

TEST_F(PanelTest, LeftButtonDragsThePanelWithTheGrabbedPointUnderThePointer) {
    CandidatePanel* panel = candidatePanel();
    panel->move(380, 20);
    QWidget* client = game->centralWidget();
    const QPoint grab(380 + 50, 20 + 7);
    QTest::mousePress(client, Qt::LeftButton, {}, grab);
    QTest::mouseMove(client, grab + QPoint(-40, 25));
    EXPECT_EQ(panel->pos(), QPoint(340, 45));
    QTest::mouseRelease(client, Qt::LeftButton, {}, grab + QPoint(-40, 25));
    QTest::mouseMove(client, grab);
    EXPECT_EQ(panel->pos(), QPoint(340, 45));
}

}  // namespace
}  // namespace ninefold::testing
