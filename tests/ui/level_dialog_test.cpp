// Shift+F5 in the game window: the level chooser's keys (1-4 and the arrows choose, Enter
// accepts, Esc cancels), the level it offers first, and the board it leaves.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "engine/solution_count.h"
#include "engine/steps/puzzle_rating.h"
#include "tests/ui/game_fixture.h"
#include "ui/cell_box.h"
#include "ui/level_dialog.h"

namespace ninefold::testing {
namespace {

using LevelChooserTest = GameTest;

// Runs keys in the chooser once it is open; records what it showed first.
struct ChooserScript {
    QString title;
    std::optional<steps::Level> offered;
    std::vector<steps::Level> afterKeys;

    void play(const std::vector<Qt::Key>& keys) {
        QTimer::singleShot(0, [this, keys] {
            auto* dialog = dynamic_cast<LevelDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            offered = dialog->chosen();
            for (const Qt::Key key : keys) {
                QTest::keyClick(dialog->focusWidget(), key);
                afterKeys.push_back(dialog->chosen());
            }
        });
    }
};

TEST_F(LevelChooserTest, KeysChooseEnterMakesThePuzzleEscKeepsTheBoard) {
    ChooserScript first;
    first.play({Qt::Key_4, Qt::Key_1, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Return});
    QTest::keyClick(cellBox(1), Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(first.title, "Ninefold");
    EXPECT_EQ(first.offered, steps::Level::Medium);
    using L = steps::Level;
    EXPECT_EQ(first.afterKeys,
              (std::vector{L::Diabolical, L::Easy, L::Medium, L::Hard, L::Medium, L::Medium}));
    const CellGrid made = session().board().ReadCells();
    EXPECT_EQ(CountSolutions(made, 2), 1U);
    EXPECT_STREQ(steps::ExplainPuzzle(DigitsOf(made)).rating.level, "medium");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(game->isEnabled());

    ChooserScript second;
    second.play({Qt::Key_3, Qt::Key_Escape});
    QTest::keyClick(cellBox(1), Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(second.offered, steps::Level::Medium) << "the level chosen last";
    EXPECT_EQ(session().board().ReadCells(), made);
}

}  // namespace
}  // namespace ninefold::testing
