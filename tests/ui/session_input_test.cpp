// The game session's input rules on a fake screen: the digit each key writes, where the
// navigation keys lead, the mouse buttons' steps and the double-click's repeat, and the candidate
// panel's boxes and drag.
#include <array>
#include <utility>

#include "tests/ui/session_fixture.h"
#include "ui/key_codes.h"

namespace ninefold::testing {
namespace {

using SessionInputTest = SessionTest;
constexpr int kShift = ShiftState::Shift;
constexpr int kCtrl = ShiftState::Ctrl;
constexpr int kBoth = kCtrl | kShift;
constexpr int kMain = KeyCode::Digit0;
constexpr int kPad = KeyCode::Numpad0;

TEST_F(SessionInputTest, EachWritingKeyGivesItsDigitAsThePlayersOwn) {
    using namespace KeyCode;
    constexpr int kMain5 = kMain + 5, kPad5 = kPad + 5;
    struct WriteRow {
        int start;  // digit in the cell before the key, Fixed
        int code;
        int shift;
        int digit;  // expected afterwards
    };
    // Digits from both keyboards whatever the modifiers, 0 empties; Delete and Space empty;
    // Enter and the keypad's + and - step, down with Shift alone; other keys do nothing.
    const WriteRow rows[] = {
        {0, kMain5, 0, 5},        {0, kMain5, kShift, 5},   {0, kMain5, kCtrl, 5},
        {2, kMain + 9, kBoth, 9}, {0, kPad5, 0, 5},         {0, kPad5, kShift, 5},
        {7, kPad + 1, kCtrl, 1},  {6, kMain, 0, 0},         {6, kPad, 0, 0},
        {6, Delete, 0, 0},        {6, Space, kShift, 0},    {0, Enter, 0, 1},
        {9, Enter, 0, 0},         {0, Enter, kShift, 9},    {0, Enter, kBoth, 1},
        {3, Enter, kCtrl, 4},     {8, Add, 0, 9},           {0, Add, kShift, 9},
        {1, Subtract, 0, 0},      {0, Subtract, kShift, 9}, {4, Backspace, 0, 4},
        {4, Escape, 0, 4},        {4, Multiply, 0, 4},      {4, Divide, 0, 4},
        {4, LetterA, 0, 4},       {4, None, kShift, 4},
    };
    constexpr int kCell = 41;
    for (const WriteRow& row : rows) {
        session.board().SetCell(kCell, row.start, true, BackColour::Yellow);
        session.Ninefold_KeyDown(kCell, row.code, row.shift);
        const std::string what = std::to_string(row.code) + " shift " + std::to_string(row.shift);
        EXPECT_EQ(cell(kCell).Digit, row.digit) << what;
        if (row.digit != row.start) {
            EXPECT_EQ(cell(kCell).Fixed, row.digit != 0) << what;
            EXPECT_EQ(session.board().Background(kCell), BackColour::White) << what;
        } else {
            EXPECT_EQ(session.board().Background(kCell), BackColour::Yellow) << what;
        }
        EXPECT_EQ(view.focused, 0) << what << ": a writing key moves no focus";
    }
    session.board().SetCell(12, 3, false, BackColour::White);
    session.Ninefold_KeyDown(12, kMain + 3, 0);
    EXPECT_EQ(cell(12), (CellState{3, true})) << "the program's digit typed over is the player's";
}

// With or without modifiers; a key that cannot move leaves the focus alone.
TEST_F(SessionInputTest, NavigationKeysMoveTheFocusButNeverWrap) {
    struct MoveRow {
        int from;
        int code;
        int to;  // == from when the key must not move
    };
    const MoveRow rows[] = {
        {41, KeyCode::Left, 40},     {41, KeyCode::Right, 42},    {41, KeyCode::Up, 32},
        {41, KeyCode::Down, 50},     {37, KeyCode::Left, 37},     {45, KeyCode::Right, 45},
        {5, KeyCode::Up, 5},         {77, KeyCode::Down, 77},     {1, KeyCode::Left, 1},
        {81, KeyCode::Right, 81},    {41, KeyCode::Home, 37},     {41, KeyCode::End, 45},
        {41, KeyCode::PageUp, 5},    {41, KeyCode::PageDown, 77}, {9, KeyCode::Home, 1},
        {73, KeyCode::End, 81},      {10, KeyCode::Right, 11},    {9, KeyCode::Right, 9},
        {81, KeyCode::PageDown, 81},
    };
    for (const MoveRow& row : rows) {
        for (int shift : {0, kBoth}) {
            view.focused = row.from;
            session.Ninefold_KeyDown(row.from, row.code, shift);
            EXPECT_EQ(view.focused, row.to) << row.from << " key " << row.code << " " << shift;
        }
    }
    EXPECT_EQ(digits(), std::string(81, '.'));
}

TEST_F(SessionInputTest, EachButtonStepsOrEmptiesTheCell) {
    // Start, button, digit: left up, right down, middle empties.
    const std::array<int, 3> rows[] = {{0, 1, 1}, {9, 1, 0}, {0, 2, 9}, {5, 2, 4}, {7, 4, 0}};
    for (const auto& [start, button, digit] : rows) {
        session.board().SetCell(31, start, false, BackColour::Yellow);
        session.Ninefold_MouseDown(31, button, 0, 3, 3);
        EXPECT_EQ(cell(31), (CellState{static_cast<uint8_t>(digit), digit != 0})) << button;
        EXPECT_EQ(session.board().Background(31), BackColour::White) << button;
    }
}

// A double-click steps the cell once more by the button last pressed on any cell: left up,
// right down, middle (or none pressed yet) empties.
TEST_F(SessionInputTest, DoubleClickRepeatsTheLastPressedButton) {
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

TEST_F(SessionInputTest, OnlyTheLeftButtonAloneDragsThePanel) {
    session.picSolveHolder_MouseDown(2, 0, 10, 10);
    session.picSolveHolder_MouseMove(2, 0, 40, 40);
    session.picSolveHolder_MouseMove(1 | 2, 0, 40, 40);
    EXPECT_EQ(view.panelAt, QPoint(100, 100));
    session.picSolveHolder_MouseMove(1, 0, 40, 40);
    EXPECT_EQ(view.panelAt, QPoint(130, 130));
    session.picSolveHolder_MouseUp(1, 0, 40, 40);
    session.picSolveHolder_MouseMove(1, 0, 70, 70);
    EXPECT_EQ(view.panelAt, QPoint(130, 130)) << "the release ends the drag";
}

TEST_F(SessionInputTest, PressRoundsTheGrabHalvesToEvenAndOutsideTheInnerAreaDoesNotArm) {
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

// The boxes show the candidates as of the last double-click on the panel, not the board's
// digits since.
TEST_F(SessionInputTest, PanelShowsTheCandidatesOfTheLastDoubleClick) {
    constexpr std::array<uint8_t, 9> kAll = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    session.picSolveHolder_DblClick();
    for (int i = 1; i <= kCellCount; ++i) {
        ASSERT_EQ(view.candidates[i], kAll) << "box " << i;
    }
    session.board().SetCell(1, 4, true, BackColour::White);
    EXPECT_EQ(view.candidates[2], kAll);
    EXPECT_EQ(session.board().Candidates(2, 4), 4);  // kept until the next double-click
    session.picSolveHolder_DblClick();
    EXPECT_EQ(view.candidates[1], (std::array<uint8_t, 9>{}));
    EXPECT_EQ(view.candidates[2], (std::array<uint8_t, 9>{1, 2, 3, 0, 5, 6, 7, 8, 9}));
}

}  // namespace
}  // namespace ninefold::testing
