// Maps Qt's keys onto the game's key codes. Main-keyboard digits are found by the key's
// place on the keyboard where the platform says it, so Shift+5 still means 5 on any layout.
#include "ui/key_codes.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace ninefold {

namespace {

// X11 and Wayland number the keys as evdev + 8: the digit row 1..9, 0 is 10..19.
int digitOfXkbKeycode(uint32_t keycode) {
    if (keycode >= 10 && keycode <= 18) {
        return static_cast<int>(keycode) - 9;
    }
    if (keycode == 19) {
        return 0;
    }
    return -1;
}

// The keypad's digit keys by the same numbering, for 0..9. With NumLock on, Shift turns them
// into their navigation keys (Shift+keypad 1 arrives as End), yet the player held Shift over a
// digit key and means the digit.
int digitOfKeypadKeycode(uint32_t keycode) {
    static constexpr uint32_t kKeypadDigits[] = {90, 87, 88, 89, 83, 84, 85, 79, 80, 81};
    for (int digit = 0; digit < 10; ++digit) {
        if (kKeypadDigits[digit] == keycode) {
            return digit;
        }
    }
    return -1;
}

int codeOfQtKey(int key, bool keypad) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return (keypad ? KeyCode::Numpad0 : KeyCode::Digit0) + (key - Qt::Key_0);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return KeyCode::LetterA + (key - Qt::Key_A);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return KeyCode::F1 + (key - Qt::Key_F1);
    }
    // The keypad's Insert is its 0 key with NumLock off, or shifted with NumLock on: it must
    // not paste where the player meant a digit.
    if (key == Qt::Key_Insert) {
        return keypad ? KeyCode::None : KeyCode::Insert;
    }
    struct Pair {
        int key;
        int code;
    };
    static constexpr Pair kFixed[] = {
        {Qt::Key_Backspace, KeyCode::Backspace},
        {Qt::Key_Tab, KeyCode::Tab},
        {Qt::Key_Backtab, KeyCode::Tab},
        {Qt::Key_Clear, 12},
        {Qt::Key_Return, KeyCode::Enter},
        {Qt::Key_Enter, KeyCode::Enter},
        {Qt::Key_Shift, KeyCode::ShiftKey},
        {Qt::Key_Control, KeyCode::ControlKey},
        {Qt::Key_Alt, KeyCode::AltKey},
        {Qt::Key_Escape, KeyCode::Escape},
        {Qt::Key_Space, KeyCode::Space},
        {Qt::Key_PageUp, KeyCode::PageUp},
        {Qt::Key_PageDown, KeyCode::PageDown},
        {Qt::Key_End, KeyCode::End},
        {Qt::Key_Home, KeyCode::Home},
        {Qt::Key_Left, KeyCode::Left},
        {Qt::Key_Up, KeyCode::Up},
        {Qt::Key_Right, KeyCode::Right},
        {Qt::Key_Down, KeyCode::Down},
        {Qt::Key_Delete, KeyCode::Delete},
    };
    for (const Pair& pair : kFixed) {
        if (pair.key == key) {
            return pair.code;
        }
    }
    // The arithmetic keys count only on the keypad.
    static constexpr Pair kKeypad[] = {
        {Qt::Key_Asterisk, KeyCode::Multiply},
        {Qt::Key_Plus, KeyCode::Add},
        {Qt::Key_Minus, KeyCode::Subtract},
        {Qt::Key_Slash, KeyCode::Divide},
    };
    for (const Pair& pair : kKeypad) {
        if (keypad && pair.key == key) {
            return pair.code;
        }
    }
    return KeyCode::None;
}

}  // namespace

int ShiftStateOf(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) {
        shift |= ShiftState::Shift;
    }
    if (modifiers & Qt::ControlModifier) {
        shift |= ShiftState::Ctrl;
    }
    if (modifiers & Qt::AltModifier) {
        shift |= ShiftState::Alt;
    }
    return shift;
}

KeyStroke TranslateKey(const KeyFacts& facts) {
    KeyStroke stroke{KeyCode::None, ShiftStateOf(facts.modifiers)};
    if (facts.native == NativeKeys::WindowsVirtualKey && facts.virtualKey != 0) {
        stroke.code = static_cast<int>(facts.virtualKey);
        return stroke;
    }
    const bool keypad = facts.modifiers.testFlag(Qt::KeypadModifier);
    if (facts.native == NativeKeys::XkbKeycode && !keypad) {
        if (const int digit = digitOfXkbKeycode(facts.scanCode); digit >= 0) {
            stroke.code = KeyCode::Digit0 + digit;
            return stroke;
        }
    }
    if (facts.native == NativeKeys::XkbKeycode && keypad &&
        facts.modifiers.testFlag(Qt::ShiftModifier)) {
        if (const int digit = digitOfKeypadKeycode(facts.scanCode); digit >= 0) {
            stroke.code = KeyCode::Numpad0 + digit;
            return stroke;
        }
    }
    stroke.code = codeOfQtKey(facts.key, keypad);
    if (stroke.code == KeyCode::None && !keypad && facts.text.size() == 1) {
        const QChar c = facts.text.front();
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            stroke.code = KeyCode::Digit0 + (c.unicode() - '0');
        }
    }
    return stroke;
}

KeyStroke TranslateKey(const QKeyEvent& event) {
    static const NativeKeys native = [] {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("windows")) {
            return NativeKeys::WindowsVirtualKey;
        }
        if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))) {
            return NativeKeys::XkbKeycode;
        }
        return NativeKeys::None;
    }();
    KeyFacts facts;
    facts.key = event.key();
    facts.modifiers = event.modifiers();
    facts.text = event.text();
    facts.scanCode = event.nativeScanCode();
    facts.virtualKey = event.nativeVirtualKey();
    facts.native = native;
    return TranslateKey(facts);
}

}  // namespace ninefold
