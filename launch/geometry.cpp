#include "launch/geometry.h"

namespace zrk {

WindowRect ClientWindowRect(int32_t desktopWidth, int32_t desktopHeight) {
    const int32_t height = desktopHeight - desktopHeight / 5;
    const int32_t width = height + height / 3;
    return {(desktopWidth - width) / 2, (desktopHeight - height) / 2, width, height};
}

}  // namespace zrk
