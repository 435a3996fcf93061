// The wheel as Windows reports it: each WM_MOUSEWHEEL message for the hooked window is one
// step, its direction the sign of the message's first parameter.
#pragma once

#include <cstdint>

namespace ninefold::mdlScroll {

// The message number of WM_MOUSEWHEEL.
constexpr unsigned kWheelMessage = 0x020A;

// +1, -1 or 0: the sign of wParam read as a signed 32-bit number. The wheel distance fills its
// high 16 bits, so the sign is the distance's and the key state in the low bits never decides.
int16_t WheelMessageDirection(std::uint64_t wParam);

// On Windows, while the game window is hooked: reads the wheel from the window's messages and
// tells the Qt-event path of the hook to leave wheel events alone. Elsewhere, and on Qt's
// offscreen platform, it does nothing and the Qt-event path reads the wheel.
void InstallNativeWheelFilter();
void RemoveNativeWheelFilter();
bool NativeWheelFilterActive();

}  // namespace ninefold::mdlScroll
