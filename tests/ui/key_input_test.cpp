// Keys on a real cell box: they reach the session with the focus and the frame following,
// menu shortcuts and digits after a menu, keys of other windows, and the translation of Qt's keys.
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <tuple>

#include "tests/ui/game_fixture.h"
#include "ui/cell_box.h"
#include "ui/key_codes.h"

namespace ninefold::testing {
namespace {

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;

using KeyInputTest = GameTest;

// The key table itself is the session's; here a real key press reaches it with its code and
// shift state, and a navigation key moves the keyboard focus and the frame.
TEST_F(KeyInputTest, KeysOnACellBoxWriteAndMoveTheRealFocus) {
    cellBox(41)->setFocus();
    QTest::keyClick(cellBox(41), Qt::Key_1, kPad | kCtrl);
    EXPECT_EQ(cell(41), (CellState{1, true}));
    QTest::keyClick(cellBox(41), Qt::Key_Return, kShift);
    EXPECT_EQ(cell(41).Digit, 0) << "Shift+Enter steps down";
    QTest::keyClick(cellBox(41), Qt::Key_Up, kShift | kCtrl);
    EXPECT_EQ(session().CurrentCell(), 32);
    EXPECT_TRUE(cellBox(32)->hasFocus());
    EXPECT_EQ(focusFrame()->pos(), cellBox(32)->pos() - QPoint(1, 1));
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
    // Qt's key alone, as with no native facts, off and on the keypad.
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> keys[] = {
        {Qt::Key_5, kNone, 53},        {Qt::Key_Delete, kNone, 46},   {Qt::Key_Space, kNone, 32},
        {Qt::Key_Return, kNone, 13},   {Qt::Key_Backspace, kNone, 8}, {Qt::Key_Plus, kNone, 0},
        {Qt::Key_Left, kNone, 37},     {Qt::Key_Right, kNone, 39},    {Qt::Key_Up, kNone, 38},
        {Qt::Key_Down, kNone, 40},     {Qt::Key_Home, kNone, 36},     {Qt::Key_End, kNone, 35},
        {Qt::Key_PageUp, kNone, 33},   {Qt::Key_0, kPad, 96},         {Qt::Key_Plus, kPad, 107},
        {Qt::Key_Asterisk, kPad, 106}, {Qt::Key_Slash, kPad, 111},
    };
    for (const auto& [key, modifiers, code] : keys) {
        EXPECT_EQ(TranslateKey(facts(key, modifiers, "", 0, 0, kNo)).code, code) << key;
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
