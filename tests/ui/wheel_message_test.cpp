// The direction read from a Windows wheel message's first parameter: one step per message,
// its sign alone, whatever the distance, the key bits or the upper half of a 64-bit wParam.
#include <gtest/gtest.h>

#include "ui/native_wheel_filter.h"

namespace ninefold {
namespace {

TEST(WheelMessageDirection, SignOfTheDistanceInTheHighWord) {
    const struct {
        std::uint64_t wParam;
        int16_t dir;
    } cases[] = {
        {0x00780000, 1},           // one notch away from the player
        {0xFF880000, -1},          // one notch towards the player
        {0x00F00000, 1},           // two notches in one message: still one step
        {0x00010000, 1},           // a high-resolution wheel's small message
        {0xFFFF0000, -1},          // and its smallest turn towards the player
        {0x00780008, 1},           // Shift held: the key bits never decide
        {0xFF880004, -1},          //
        {0xFFFFFFFFFF880000, -1},  // sign-extended into a 64-bit wParam
        {0xFFFFFFFF00780000, 1},   // stray upper bits are not the distance
        {0x00000000, 0},           // no distance at all: the window steps down
        {0x00000004, 1},           // keys only: the 32-bit value is positive
    };
    for (const auto& row : cases) {
        EXPECT_EQ(mdlScroll::WheelMessageDirection(row.wParam), row.dir)
            << std::hex << "wParam 0x" << row.wParam;
    }
}

}  // namespace
}  // namespace ninefold
