// The game session's rules with no window at all, on a fake screen: commands refused while a
// long operation runs, the hint key, the hidden keys' place before the others, and the level
// chooser in front of the puzzles made to order.
#include <functional>
#include <vector>

#include "engine/solution_count.h"
#include "engine/steps/puzzle_rating.h"
#include "tests/ui/session_fixture.h"
#include "ui/key_codes.h"

namespace ninefold::testing {
namespace {

TEST_F(SessionTest, NoSecondCommandStartsWhileTheSearchRuns) {
    constexpr const char* kSmallestGrid =
        "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
    view.onPump = [&] {
        messages.answers = {true};
        session.mnuNewGame_Click();
        session.mnuGenerate_Click();
        session.mnuSolve_Click();
        session.mnuCheck_Click();
        session.mnuClear_Click();
        session.Ninefold_KeyDown(81, KeyCode::Digit0 + 7, 0);
        session.Ninefold_MouseDown(81, 1, 0, 0, 0);
        session.OpenPuzzleText(QString(81, QLatin1Char('1')));
        session.OpenPuzzleText(QStringLiteral("no puzzle"));
        session.Form_KeyDown(KeyCode::Insert, ShiftState::Ctrl);
        session.Form_KeyDown(KeyCode::LetterA + 7, ShiftState::Ctrl);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_TRUE(view.clipboard.isEmpty());
    };
    session.mnuSolve_Click();
    EXPECT_EQ(digits(), kSmallestGrid);
    EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Information, "Puzzle solved."}}));
    EXPECT_FALSE(session.OperationRunning());
}

// Ctrl+H only tells, a clue first: the technique and where to look, with the frame left where
// it is. Again on the same digits it tells the whole hint, up to the digit it leads to, and the
// frame goes there; a digit typed starts again with a clue. A board with no single solution gets
// its one sentence at once, naming a clash or a wrong digit of the player's.
TEST_F(SessionTest, HintKeyGivesAClueThenTheHintAndWritesNothing) {
    std::string puzzle =
        "4...7.1....19.46.5.....1......7....2..2.3....847..6....14...8.6.2....3..6...9....";
    session.OpenPuzzleText(QString::fromStdString(puzzle));
    view.focused = 0;
    auto pressHint = [&] {
        messages.shown.clear();
        session.Form_KeyDown(KeyCode::LetterA + 7, ShiftState::Ctrl);
        EXPECT_EQ(digits(), puzzle.substr(0, 81)) << "the hint writes nothing";
        return messages.shown.size() == 1 ? messages.shown[0] : Shown{Box::Plain, ""};
    };
    EXPECT_EQ(pressHint(), (Shown{Box::Information, "Look at box 4: a pointing."}));
    EXPECT_EQ(view.focused, 0);
    // It starts with a pointing, which writes no digit, and ends at the digit that follows.
    const Shown full = pressHint();
    EXPECT_TRUE(full.text.starts_with("Pointing: in box 4, the digit 3 lies only in row 4"))
        << full.text;
    EXPECT_TRUE(full.text.ends_with("row 4, column 7 can hold only 4.")) << full.text;
    EXPECT_EQ(view.focused, 34);

    session.Ninefold_KeyDown(34, KeyCode::Digit0 + 4, 0);
    puzzle = digits();
    EXPECT_EQ(pressHint().text.substr(0, 8), "Look at ");

    // The 4 beside the given 4 of row 1 clashes with it.
    session.Ninefold_KeyDown(2, KeyCode::Digit0 + 4, 0);
    puzzle = digits();
    EXPECT_EQ(pressHint(),
              (Shown{Box::Exclamation, "Some digits clash: 4 repeats in row 1, columns 1 and 2."}));
    EXPECT_EQ(view.focused, 1);
    // An 8 there clashes with nothing but cannot be right.
    session.Ninefold_KeyDown(2, KeyCode::Digit0 + 8, 0);
    puzzle = digits();
    EXPECT_EQ(pressHint(), (Shown{Box::Exclamation, "The 8 in row 1, column 2 cannot be right."}));
    EXPECT_EQ(view.focused, 2);

    // Shift or Alt with H, or H alone, is no hint.
    messages.shown.clear();
    session.Form_KeyDown(KeyCode::LetterA + 7, ShiftState::Ctrl | ShiftState::Shift);
    session.Form_KeyDown(KeyCode::LetterA + 7, 0);
    EXPECT_TRUE(messages.shown.empty());
}

// The desktop layer's keys come before the session's own, and may run the search alone: its
// digits without the Solve command's messages, its refusal with them.
TEST_F(SessionTest, HiddenKeysComeFirstAndCanRunTheSearchAlone) {
    constexpr int kShiftAlt = ShiftState::Shift | ShiftState::Alt;
    const int letterL = KeyCode::LetterA + 11;
    std::vector<int> seen;
    session.setHiddenKeys([&](int keyCode, int shift, const std::function<void()>& searchAlone) {
        seen.push_back(keyCode);
        if (keyCode == letterL && shift == kShiftAlt) {
            searchAlone();
            return true;
        }
        return keyCode == KeyCode::Insert;  // claims Ctrl+Insert from the clipboard
    });
    session.Form_KeyDown(KeyCode::LetterA + 4, kShiftAlt);
    session.Ninefold_KeyDown(1, KeyCode::LetterA + 4, kShiftAlt);  // as the cell box does
    EXPECT_EQ(session.board().Cells[1].Digit, 0) << "a letter writes nothing into the cell";
    session.OpenPuzzleText(QStringLiteral(
        "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"));
    session.Form_KeyDown(KeyCode::Insert, ShiftState::Ctrl);
    EXPECT_TRUE(view.clipboard.isEmpty());

    session.Form_KeyDown(letterL, kShiftAlt);
    EXPECT_EQ(digits(),
              "534678912672195348198342567859761423426853791713924856961537284287419635345286179");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(session.board().Cells[3].Fixed) << "the search's own digits";
    EXPECT_EQ(seen, (std::vector<int>{KeyCode::LetterA + 4, KeyCode::Insert, letterL}));

    session.Form_KeyDown(letterL, kShiftAlt);
    EXPECT_EQ(messages.shown, std::vector<Shown>({{Box::Exclamation, "This puzzle is solved."}}));
}

// Shift+F5 and Enter: the board holds the new puzzle's givens alone, as the player's fixed
// digits on white, one solution, rated at the level offered; the next time the chooser offers
// the level chosen last.
TEST_F(SessionTest, ShiftF5ThenEnterGivesAPuzzleOfGivensAtTheLevel) {
    session.board().SetCell(3, 4, false, BackColour::Yellow);
    session.Form_KeyDown(KeyCode::F5, ShiftState::Shift);
    ASSERT_EQ(view.offered, std::vector{steps::Level::Medium});
    const CellGrid cells = session.board().ReadCells();
    for (int c = 1; c <= kCellCount; ++c) {
        EXPECT_EQ(cells[c - 1].Fixed, cells[c - 1].Digit != 0) << "cell " << c;
        EXPECT_EQ(session.board().Background(c), BackColour::White) << "cell " << c;
    }
    EXPECT_EQ(CountSolutions(cells, 2), 1U);
    EXPECT_STREQ(steps::ExplainPuzzle(DigitsOf(cells)).rating.level, "medium");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(session.OperationRunning());

    view.choose = steps::Level::Easy;
    session.Form_KeyDown(KeyCode::F5, ShiftState::Shift);
    view.choose.reset();
    session.Form_KeyDown(KeyCode::F5, ShiftState::Shift);
    EXPECT_EQ(view.offered.back(), steps::Level::Easy);
    EXPECT_STREQ(steps::ExplainPuzzle(DigitsOf(session.board().ReadCells())).rating.level, "easy");
}

// Esc in the chooser, or in the wait window while the generator runs: the board stays.
TEST_F(SessionTest, EscInTheChooserOrTheWaitWindowKeepsTheBoard) {
    const std::string puzzle =
        "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
    session.OpenPuzzleText(QString::fromStdString(puzzle));
    const CellGrid before = session.board().ReadCells();

    view.enter = false;
    session.Form_KeyDown(KeyCode::F5, ShiftState::Shift);
    EXPECT_EQ(view.offered.size(), 1U);
    EXPECT_EQ(session.board().ReadCells(), before);

    view.enter = true;
    view.onPump = [&] { session.EscPressed() = true; };
    session.Form_KeyDown(KeyCode::F5, ShiftState::Shift);
    EXPECT_EQ(view.offered.size(), 2U);
    EXPECT_EQ(session.board().ReadCells(), before);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(session.OperationRunning());
}

// F5 (the menu's Generate) is still the game's generator: every cell filled, its message
// shown, no chooser; F5 without Shift reaching the keys opens no chooser either.
TEST_F(SessionTest, F5StillRunsTheGamesGenerator) {
    session.mnuGenerate_Click();
    session.Form_KeyDown(KeyCode::F5, 0);
    EXPECT_TRUE(view.offered.empty());
    EXPECT_EQ(digits().find('.'), std::string::npos);
    ASSERT_EQ(messages.shown.size(), 1U);
}

}  // namespace
}  // namespace ninefold::testing
