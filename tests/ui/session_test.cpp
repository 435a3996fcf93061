// The game session's rules with no window at all, on a fake screen: the mouse button a
// double-click repeats, the panel drag, commands refused while a long operation runs, and the
// level chooser in front of the puzzles made to order.
#include <functional>
#include <utility>

#include "engine/board_text.h"
#include "engine/solution_count.h"
#include "engine/steps/puzzle_rating.h"
#include "tests/ui/game_fixture.h"
#include "ui/game_session.h"
#include "ui/key_codes.h"

namespace ninefold::testing {
namespace {

class FakeView : public GameView {
  public:
    void focusCell(int i, bool /*byPointer*/) override { focused = i; }
    bool isActive() const override { return true; }
    void moveFocusFrame(int /*i*/) override {}
    void showCandidates(int /*i*/, const std::array<uint8_t, 9>& /*entries*/) override {}
    QSize panelInnerSize() const override { return {440, 459}; }
    QPoint panelPosition() const override { return panelAt; }
    void movePanel(QPoint to) override { panelAt = to; }
    void showWaitWindow(bool /*cancellable*/) override {}
    void closeWaitWindow() override {}
    // Runs onPump once, at the first pump of the search.
    void processEvents() override {
        if (onPump) {
            std::exchange(onPump, nullptr)();
        }
    }
    void announceCells() override {}
    // Records the level offered first and answers as the player would: nothing for Esc, the
    // offered level for Enter, or the level set in choose.
    std::optional<steps::Level> chooseLevel(steps::Level preselected) override {
        offered.push_back(preselected);
        return enter ? std::optional(choose.value_or(preselected)) : std::nullopt;
    }
    void closeWindow() override {}
    QString clipboardText() const override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }

    int focused = 0;
    QPoint panelAt{100, 100};
    std::function<void()> onPump;
    QString clipboard;
    std::vector<steps::Level> offered;
    bool enter = true;
    std::optional<steps::Level> choose;
};

class SessionTest : public ::testing::Test {
  protected:
    std::string digits() const { return BoardToLine(session.board()); }

    FakeView view;
    ScriptedMessages messages;
    GameSession session{view, messages};
};

TEST_F(SessionTest, DoubleClickRepeatsTheLastPressedButton) {
    session.Ninefold_MouseDown(5, 2, 0, 0, 0);
    session.Ninefold_DblClick(5);
    EXPECT_EQ(session.board().Cells[5].Digit, 8);
    EXPECT_EQ(session.LastButton(), 2);
}

TEST_F(SessionTest, OnlyTheLeftButtonAloneDragsThePanel) {
    session.picSolveHolder_MouseDown(2, 0, 10, 10);
    EXPECT_TRUE(session.PanelDragging());
    session.picSolveHolder_MouseMove(2, 0, 40, 40);
    session.picSolveHolder_MouseMove(1 | 2, 0, 40, 40);
    EXPECT_EQ(view.panelAt, QPoint(100, 100));
    session.picSolveHolder_MouseMove(1, 0, 40, 40);
    EXPECT_EQ(view.panelAt, QPoint(130, 130));
}

TEST_F(SessionTest, PressRoundsTheGrabHalvesToEvenAndOutsideTheInnerAreaDoesNotArm) {
    struct Row {
        double x, y;
        bool dragging;
        int grabX, grabY;
    };
    const Row rows[] = {
        {10.5, 20.5, true, 10, 20},     {11.5, 0.5, true, 12, 0}, {0, 0, true, 0, 0},
        {-1, 5, false, -1, 5},          {440, 5, false, 440, 5},  {5, 459, false, 5, 459},
        {439.4, 458.6, true, 439, 459},
    };
    for (const Row& row : rows) {
        session.picSolveHolder_MouseDown(1, 0, row.x, row.y);
        EXPECT_EQ(session.PanelDragging(), row.dragging) << row.x << "," << row.y;
        EXPECT_EQ(session.PanelGrabX(), row.grabX);
        EXPECT_EQ(session.PanelGrabY(), row.grabY);
    }
}

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
        session.CopyBoard();
        session.Form_KeyDown(KeyCode::LetterA + 7, ShiftState::Ctrl);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_TRUE(view.clipboard.isEmpty());
    };
    session.mnuSolve_Click();
    EXPECT_EQ(digits(), kSmallestGrid);
    EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Information, "Puzzle solved."}}));
    EXPECT_FALSE(session.OperationRunning());
}

// Ctrl+H only tells: the digits stay, the frame goes to the cell the step is about, and a board
// with no single solution gets its one sentence instead.
TEST_F(SessionTest, HintKeyTellsTheNextStepAndWritesNothing) {
    const std::string puzzle =
        "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
    session.OpenPuzzleText(QString::fromStdString(puzzle));
    session.Form_KeyDown(KeyCode::LetterA + 7, ShiftState::Ctrl);
    EXPECT_EQ(digits(), puzzle);
    EXPECT_EQ(
        messages.shown,
        (std::vector<Shown>{
            {Box::Information, "Hidden single: 4 can go only in row 6, column 2 within box 4."}}));
    EXPECT_EQ(view.focused, 47);

    messages.shown.clear();
    session.Ninefold_KeyDown(2, KeyCode::Digit0 + 4, 0);
    session.Form_KeyDown(KeyCode::LetterA + 7, ShiftState::Ctrl);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].box, Box::Exclamation);
    EXPECT_NE(messages.shown[0].text.find("clash"), std::string::npos) << messages.shown[0].text;
    // Shift or Alt with H, or H alone, is no hint.
    messages.shown.clear();
    session.Form_KeyDown(KeyCode::LetterA + 7, ShiftState::Ctrl | ShiftState::Shift);
    session.Form_KeyDown(KeyCode::LetterA + 7, 0);
    EXPECT_TRUE(messages.shown.empty());
}

// Shift+F5 and Enter: the board holds the new puzzle's givens alone, as the player's fixed
// digits on white, one solution, rated at the level offered; the next time the chooser offers
// the level chosen last.
TEST_F(SessionTest, ShiftF5ThenEnterGivesAPuzzleOfGivensAtTheLevel) {
    session.SeedRandom(5);
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
    view.onPump = [&] { session.board().EscPressed = true; };
    session.Form_KeyDown(KeyCode::F5, ShiftState::Shift);
    EXPECT_EQ(view.offered.size(), 2U);
    EXPECT_EQ(session.board().ReadCells(), before);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(session.OperationRunning());
}

// F5 (the menu's Generate) is still the game's generator: every cell filled, its message
// shown, no chooser; F5 without Shift reaching the keys opens no chooser either.
TEST_F(SessionTest, F5StillRunsTheGamesGenerator) {
    session.SeedRandom(5);
    session.mnuGenerate_Click();
    session.Form_KeyDown(KeyCode::F5, 0);
    EXPECT_TRUE(view.offered.empty());
    EXPECT_EQ(digits().find('.'), std::string::npos);
    ASSERT_EQ(messages.shown.size(), 1U);
}

}  // namespace
}  // namespace ninefold::testing
