// Qt key events as the game's key codes: the classic desktop virtual-key numbers (48–57 the
// main keyboard's digits, 96–105 the keypad's, 13 Enter, 37–40 the arrows, ...) and a shift
// state of 1 = Shift, 2 = Ctrl, 4 = Alt. Keys are matched by their physical meaning.
#pragma once

#include <QString>
#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace ninefold {

namespace KeyCode {
inline constexpr int None = 0;
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int ShiftKey = 16;
inline constexpr int ControlKey = 17;
inline constexpr int AltKey = 18;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
inline constexpr int Digit0 = 48;   // to 57
inline constexpr int LetterA = 65;  // to 90
inline constexpr int Numpad0 = 96;  // to 105
inline constexpr int Multiply = 106;
inline constexpr int Add = 107;
inline constexpr int Subtract = 109;
inline constexpr int Divide = 111;
inline constexpr int F1 = 112;  // to F24 at 135
inline constexpr int F5 = 116;
}  // namespace KeyCode

namespace ShiftState {
inline constexpr int Shift = 1;
inline constexpr int Ctrl = 2;
inline constexpr int Alt = 4;
}  // namespace ShiftState

// What the windowing system tells about a key beyond Qt's key: on Windows the virtual-key
// code itself, under X11 and Wayland the hardware key code (evdev + 8).
enum class NativeKeys { None, WindowsVirtualKey, XkbKeycode };

struct KeyFacts {
    int key = 0;  // Qt::Key
    Qt::KeyboardModifiers modifiers;
    QString text;
    uint32_t scanCode = 0;
    uint32_t virtualKey = 0;
    NativeKeys native = NativeKeys::None;
};

struct KeyStroke {
    int code = KeyCode::None;
    int shift = 0;
    bool operator==(const KeyStroke&) const = default;
};

int ShiftStateOf(Qt::KeyboardModifiers modifiers);
KeyStroke TranslateKey(const KeyFacts& facts);
// The running platform decides which native facts are trusted.
KeyStroke TranslateKey(const QKeyEvent& event);

}  // namespace ninefold
