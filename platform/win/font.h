#pragma once
// A GDI font described in 96-dpi pixels, created on first use.

#include <windows.h>

#include <string>

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
    HFONT Handle(int dpi);

private:
    FontSpec spec_;
    HFONT handle_ = nullptr;
    int handleDpi_ = 0;
};

}  // namespace zrk
