// The game session's rules with no window at all, on a fake screen: the mouse button a
// double-click repeats, the panel drag, commands refused while a long operation runs, and the
// hidden keys' place before the others.
#include <functional>
#include <utility>
#include <vector>

#include "engine/board_text.h"
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
    void closeWindow() override {}
    QString clipboardText() const override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }

    int focused = 0;
    QPoint panelAt{100, 100};
    std::function<void()> onPump;
    QString clipboard;
};

class SessionTest : public ::testing::Test {
  protected:
    std::string digits() const { return BoardToLine(session.board()); }

    FakeView view;
    ScriptedMessages messages;
    GameSession session{view, messages};
};

// A double-click steps the cell once more by the button last pressed on any cell: left up,
// right down, middle (or none pressed yet) empties.
TEST_F(SessionTest, DoubleClickRepeatsTheLastPressedButton) {
    session.board().SetCell(80, 5, true, BackColour::White);
    session.Ninefold_DblClick(80);
    EXPECT_EQ(session.board().Cells[80].Digit, 0) << "no button pressed yet";
    const std::pair<int, int> rows[] = {{1, 6}, {2, 4}, {4, 0}};
    for (const auto& [button, digit] : rows) {
        session.Ninefold_MouseDown(5, button, 0, 0, 0);
        session.board().SetCell(80, 5, true, BackColour::White);
        session.Ninefold_DblClick(80);
        EXPECT_EQ(session.board().Cells[80].Digit, digit) << "button " << button;
    }
    session.Ninefold_MouseDown(5, 2, 0, 0, 0);
    session.Ninefold_DblClick(5);
    EXPECT_EQ(session.board().Cells[5].Digit, 8);
}

TEST_F(SessionTest, OnlyTheLeftButtonAloneDragsThePanel) {
    session.picSolveHolder_MouseDown(2, 0, 10, 10);
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
    // A drag shows in where the next move puts the panel: its place less the grab plus the
    // pointer's; a press that does not arm leaves the panel where it is.
    for (const Row& row : rows) {
        view.panelAt = QPoint(100, 100);
        session.picSolveHolder_MouseDown(1, 0, row.x, row.y);
        session.picSolveHolder_MouseMove(1, 0, 1000, 1000);
        EXPECT_EQ(view.panelAt,
                  row.dragging ? QPoint(1100 - row.grabX, 1100 - row.grabY) : QPoint(100, 100))
            << row.x << "," << row.y;
        session.picSolveHolder_MouseUp(1, 0, 1000, 1000);
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

}  // namespace
}  // namespace ninefold::testing
