#pragma once
// The installed font families, as the system reports them.

#include <windows.h>

#include <functional>

namespace zrk {

// EnumFontFamiliesA on the window's screen device context with no family
// name: one call per family, in the order reported, with the 32-byte
// face-name field of its logical font.
void EnumerateFontFamilies(HWND window, const std::function<void(const char* faceName32)>& add);

}  // namespace zrk
