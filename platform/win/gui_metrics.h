#pragma once
// Every layout in the launcher is given in pixels at 96 dpi. Scale() is the
// one place where those pixels become device pixels.

#include <windows.h>

namespace zrk {

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool Contains(int x, int y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
};

inline int Scale(int pixels96, int dpi) { return MulDiv(pixels96, dpi, 96); }

inline RECT ScaleRect(const Bounds& b, int dpi) {
    return RECT{Scale(b.left, dpi), Scale(b.top, dpi), Scale(b.left + b.width, dpi), Scale(b.top + b.height, dpi)};
}

// The desktop as the virtual screen that spans all monitors.
inline SIZE DesktopSize() {
    return SIZE{GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

}  // namespace zrk
