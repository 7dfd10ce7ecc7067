#pragma once
// A GDI font described in 96-dpi pixels, created on first use at each dpi
// it is asked for.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace zrk {

struct FontSpec {
    std::wstring face = L"MS Sans Serif";
    int height = -11;  // negative: character height in pixels at 96 dpi
    bool bold = false;
    COLORREF color = RGB(0, 0, 0);
};

class Font {
public:
    explicit Font(FontSpec spec) : spec_(std::move(spec)) {}
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const FontSpec& Spec() const { return spec_; }
    // The font scaled for a dpi. Handles stay valid until the font is
    // destroyed, so a control never holds a deleted font while its form
    // moves between monitors of different dpi.
    HFONT Handle(int dpi);

private:
    FontSpec spec_;
    std::vector<std::pair<int, HFONT>> handles_;
};

}  // namespace zrk
