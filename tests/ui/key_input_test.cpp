// The key table on a cell box: digits from both keyboards whatever the modifiers, erasing,
// stepping, navigation that stops at the grid's edges, and the translation of Qt's keys.
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "tests/ui/game_fixture.h"
#include "ui/cell_box.h"
#include "ui/key_codes.h"

namespace ninefold::testing {
namespace {

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;

struct WriteRow {
    const char* what;
    int start;  // digit in the cell before the key, Fixed
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int digit;  // expected afterwards
};

const WriteRow kWriteRows[] = {
    {"main 5", 0, Qt::Key_5, kNone, 5},
    {"Shift+main 5", 0, Qt::Key_5, kShift, 5},
    {"Ctrl+main 5", 0, Qt::Key_5, kCtrl, 5},
    {"Ctrl+Shift+main 9", 2, Qt::Key_9, kCtrl | kShift, 9},
    {"keypad 5", 0, Qt::Key_5, kPad, 5},
    {"Shift+keypad 5", 0, Qt::Key_5, kPad | kShift, 5},
    {"Ctrl+keypad 1", 7, Qt::Key_1, kPad | kCtrl, 1},
    {"main 0 empties", 6, Qt::Key_0, kNone, 0},
    {"keypad 0 empties", 6, Qt::Key_0, kPad, 0},
    {"Delete empties", 6, Qt::Key_Delete, kNone, 0},
    {"Space empties", 6, Qt::Key_Space, kShift, 0},
    {"Enter steps up", 0, Qt::Key_Return, kNone, 1},
    {"Enter on 9 empties", 9, Qt::Key_Return, kNone, 0},
    {"keypad Enter steps up", 4, Qt::Key_Enter, kPad, 5},
    {"Shift+Enter steps down", 0, Qt::Key_Return, kShift, 9},
    {"Ctrl+Shift+Enter steps up", 0, Qt::Key_Return, kCtrl | kShift, 1},
    {"Ctrl+Enter steps up", 3, Qt::Key_Return, kCtrl, 4},
    {"keypad + steps up", 8, Qt::Key_Plus, kPad, 9},
    {"Shift+keypad + steps down", 0, Qt::Key_Plus, kPad | kShift, 9},
    {"keypad - steps down", 1, Qt::Key_Minus, kPad, 0},
    {"Shift+keypad - steps down", 0, Qt::Key_Minus, kPad | kShift, 9},
    {"main + does nothing", 4, Qt::Key_Plus, kShift, 4},
    {"Backspace does nothing", 4, Qt::Key_Backspace, kNone, 4},
    {"Escape does nothing", 4, Qt::Key_Escape, kNone, 4},
    {"keypad * does nothing", 4, Qt::Key_Asterisk, kPad, 4},
    {"keypad / does nothing", 4, Qt::Key_Slash, kPad, 4},
    {"a letter does nothing", 4, Qt::Key_Q, kNone, 4},
};

using KeyInputTest = GameTest;

TEST_F(KeyInputTest, EachWritingKeyGivesItsDigitAsThePlayersOwn) {
    constexpr int kCell = 41;
    cellBox(kCell)->setFocus();
    for (const WriteRow& row : kWriteRows) {
        session().board().SetCell(kCell, row.start, true, BackColour::Yellow);
        QTest::keyClick(cellBox(kCell), row.key, row.modifiers);
        const CellState after = cell(kCell);
        EXPECT_EQ(after.Digit, row.digit) << row.what;
        if (row.digit != row.start) {
            EXPECT_EQ(after.Fixed, row.digit != 0) << row.what;
            EXPECT_EQ(session().board().Background(kCell), BackColour::White) << row.what;
        } else {
            EXPECT_EQ(session().board().Background(kCell), BackColour::Yellow) << row.what;
        }
        EXPECT_EQ(session().CurrentCell(), kCell) << row.what;
    }
}

TEST_F(KeyInputTest, TypingOverTheProgramsDigitMakesItThePlayers) {
    session().board().SetCell(12, 3, false, BackColour::White);
    QTest::keyClick(cellBox(12), Qt::Key_3);
    EXPECT_EQ(cell(12), (CellState{3, true}));
}

struct MoveRow {
    int from;
    Qt::Key key;
    int to;  // == from when the key must not move
};

const MoveRow kMoveRows[] = {
    {41, Qt::Key_Left, 40},     {41, Qt::Key_Right, 42},    {41, Qt::Key_Up, 32},
    {41, Qt::Key_Down, 50},     {37, Qt::Key_Left, 37},     {45, Qt::Key_Right, 45},
    {5, Qt::Key_Up, 5},         {77, Qt::Key_Down, 77},     {1, Qt::Key_Left, 1},
    {81, Qt::Key_Right, 81},    {41, Qt::Key_Home, 37},     {41, Qt::Key_End, 45},
    {41, Qt::Key_PageUp, 5},    {41, Qt::Key_PageDown, 77}, {9, Qt::Key_Home, 1},
    {73, Qt::Key_End, 81},      {10, Qt::Key_Right, 11},    {9, Qt::Key_Right, 9},
    {81, Qt::Key_PageDown, 81},
};

TEST_F(KeyInputTest, NavigationKeysMoveFocusFrameAndCurrentCellButNeverWrap) {
    for (const MoveRow& row : kMoveRows) {
        cellBox(row.from)->setFocus();
        ASSERT_EQ(session().CurrentCell(), row.from);
        for (Qt::KeyboardModifiers modifiers : {kNone, kShift | kCtrl}) {
            cellBox(row.from)->setFocus();
            QTest::keyClick(cellBox(row.from), row.key, modifiers);
            EXPECT_EQ(session().CurrentCell(), row.to) << row.from << " key " << row.key;
            EXPECT_TRUE(cellBox(row.to)->hasFocus());
            EXPECT_EQ(focusFrame()->pos(), cellBox(row.to)->pos() - QPoint(1, 1));
        }
    }
    EXPECT_EQ(digits(), std::string(81, '.'));
}

TEST_F(KeyInputTest, MenuShortcutsRunFromAFocusedCellAndCtrlDigitsStillWrite) {
    session().board().SetCell(3, 4, false, BackColour::White);
    session().board().SetCell(4, 6, true, BackColour::White);
    QTest::keyClick(cellBox(20), Qt::Key_Z, kCtrl);
    EXPECT_EQ(cell(3).Digit, 0);
    EXPECT_EQ(cell(4).Digit, 6);
    EXPECT_EQ(cell(20).Digit, 0);
    QTest::keyClick(cellBox(20), Qt::Key_F2);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].box, Box::Question);
    QTest::keyClick(cellBox(20), Qt::Key_2, kCtrl);
    EXPECT_EQ(cell(20), (CellState{2, true}));
}

// Esc on a menu opened with the mouse leaves the menu bar waiting for arrow keys; the digit typed
// next must still reach the current cell. Each menu in turn, so none is left out.
TEST_F(KeyInputTest, KeysReachTheCurrentCellAgainAfterAMenuIsClosedWithEsc) {
    cellBox(30)->setFocus();
    int digit = 0;
    for (QMenu* menu : {menu("mnuFile"), menu("mnuGame"), menu("mnuHelp")}) {
        QMenuBar* bar = game->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000));
        QTest::keyClick(menu, Qt::Key_Escape);
        settle();
        ++digit;
        QTest::keyClick(game->windowHandle(), static_cast<Qt::Key>(Qt::Key_0 + digit));
        EXPECT_EQ(cell(30).Digit, digit) << menu->title().toStdString();
    }
}

struct TranslateRow {
    const char* what;
    KeyFacts facts;
    KeyStroke stroke;
};

KeyFacts facts(int key, Qt::KeyboardModifiers modifiers, const char* text, uint32_t scanCode,
               uint32_t virtualKey, NativeKeys native) {
    return {key, modifiers, QString::fromLatin1(text), scanCode, virtualKey, native};
}

TEST(TranslateKey, MatchesKeysByPhysicalMeaning) {
    constexpr auto kX = NativeKeys::XkbKeycode;
    constexpr auto kWin = NativeKeys::WindowsVirtualKey;
    constexpr auto kNo = NativeKeys::None;
    const Qt::KeyboardModifiers kAlt = Qt::AltModifier;
    const TranslateRow rows[] = {
        {"X11 Shift+5 reads %", facts(Qt::Key_Percent, kShift, "%", 14, 0x25, kX), {53, 1}},
        {"X11 AZERTY 1 key", facts(Qt::Key_Ampersand, kNone, "&", 10, 0x26, kX), {49, 0}},
        {"X11 0 key", facts(Qt::Key_Equal, kShift, "=", 19, 0x3d, kX), {48, 1}},
        {"X11 keypad 5", facts(Qt::Key_5, kPad, "5", 84, 0xffb5, kX), {101, 0}},
        {"X11 Ctrl+Alt+7", facts(Qt::Key_7, kCtrl | kAlt, "", 16, 0x37, kX), {55, 6}},
        {"X11 letter keeps its key", facts(Qt::Key_E, kShift | kAlt, "E", 26, 0x45, kX), {69, 5}},
        {"Windows virtual key", facts(Qt::Key_Percent, kShift, "%", 6, 0x35, kWin), {53, 1}},
        {"Windows keypad add", facts(Qt::Key_Plus, kPad, "+", 78, 0x6b, kWin), {107, 0}},
        {"no native facts: text", facts(Qt::Key_unknown, kNone, "7", 0, 0, kNo), {55, 0}},
        {"no native facts: %", facts(Qt::Key_Percent, kShift, "%", 0, 0, kNo), {0, 1}},
        {"keypad Enter", facts(Qt::Key_Enter, kPad, "\r", 0, 0, kNo), {13, 0}},
        {"main minus", facts(Qt::Key_Minus, kNone, "-", 0, 0, kNo), {0, 0}},
        {"keypad minus", facts(Qt::Key_Minus, kPad, "-", 0, 0, kNo), {109, 0}},
        {"Page Down", facts(Qt::Key_PageDown, kNone, "", 0, 0, kNo), {34, 0}},
        {"Escape", facts(Qt::Key_Escape, kNone, "\x1b", 9, 0xff1b, kX), {27, 0}},
        {"Shift alone", facts(Qt::Key_Shift, kShift, "", 50, 0xffe1, kX), {16, 1}},
        {"Insert", facts(Qt::Key_Insert, kShift, "", 118, 0xff63, kX), {45, 1}},
        // With NumLock on, Shift turns the keypad's digits into navigation keys.
        {"X11 Shift+keypad 0 is keypad 0, no Insert",
         facts(Qt::Key_Insert, kPad | kShift, "", 90, 0xff9e, kX),
         {96, 1}},
        {"X11 Shift+keypad 1 is keypad 1, no End",
         facts(Qt::Key_End, kPad | kShift, "", 87, 0xff9c, kX),
         {97, 1}},
        {"X11 keypad End without Shift moves",
         facts(Qt::Key_End, kPad, "", 87, 0xff9c, kX),
         {35, 0}},
    };
    for (const TranslateRow& row : rows) {
        EXPECT_EQ(TranslateKey(row.facts), row.stroke) << row.what;
    }
}

// Enter held down in a message box that closed on its press goes on arriving at the board, as
// X repeats it; none of it may step the current cell until the key is let go.
TEST_F(KeyInputTest, AKeyPressedInAnotherWindowNeverReachesTheBoard) {
    QWidget box;
    cellBox(30)->setFocus();
    const auto send = [](QWidget* to, QEvent::Type type, bool repeat) {
        QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier, QString(), repeat);
        QCoreApplication::sendEvent(to, &key);
    };
    send(&box, QEvent::KeyPress, false);
    send(cellBox(30), QEvent::KeyRelease, true);
    send(cellBox(30), QEvent::KeyPress, true);
    EXPECT_EQ(cell(30).Digit, 0);
    send(cellBox(30), QEvent::KeyRelease, false);
    send(cellBox(30), QEvent::KeyPress, false);
    EXPECT_EQ(cell(30).Digit, 1);
}

}  // namespace
}  // namespace ninefold::testing
