#pragma once
// Where the game client's window goes: four fifths of the desktop high,
// 4:3 in shape, centred.

#include <cstdint>

namespace zrk {

struct WindowRect {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

// The desktop is the virtual screen over all monitors. Divisions truncate
// toward zero, and x goes negative (unclamped) on a desktop narrower than
// the window.
WindowRect ClientWindowRect(int32_t desktopWidth, int32_t desktopHeight);

}  // namespace zrk
