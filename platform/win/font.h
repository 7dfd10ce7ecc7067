#pragma once
// A GDI font described in 96-dpi pixels, created on first use at each dpi
// it is asked for.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace zrk {

struct FontStyle {
    std::wstring face = L"MS Sans Serif";
    int height = -11;  // negative: character height in pixels at 96 dpi
    bool bold = false;
    COLORREF color = RGB(0, 0, 0);
};

class Font {
public:
    explicit Font(FontStyle style) : style_(std::move(style)) {}
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const FontStyle& Style() const { return style_; }
    // The font scaled for a dpi. Handles stay valid until the font is
    // destroyed, so a control never holds a deleted font while its form
    // moves between monitors of different dpi.
    HFONT Handle(int dpi);

private:
    FontStyle style_;
    std::vector<std::pair<int, HFONT>> handles_;
};

}  // namespace zrk
