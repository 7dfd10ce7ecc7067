#include "platform/win/font_families.h"

namespace zrk {
namespace {

int CALLBACK OnFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM user) {
    auto* add = reinterpret_cast<const std::function<void(const char*)>*>(user);
    (*add)(font->lfFaceName);
    return 1;
}

}  // namespace

void EnumerateFontFamilies(HWND window, const std::function<void(const char* faceName32)>& add) {
    HDC dc = GetDC(window);
    EnumFontFamiliesA(dc, nullptr, OnFamily, reinterpret_cast<LPARAM>(&add));
    ReleaseDC(window, dc);
}

}  // namespace zrk
