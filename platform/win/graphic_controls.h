#pragma once
// Controls without a window of their own, painted by their form.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/win/control.h"
#include "platform/win/font.h"

namespace zrk {

// A bitmap from the program's resources, drawn at its own size from the
// top-left corner of the control, neither stretched nor centred; what does
// not fit the form is simply not seen.
class Picture : public GraphicControl {
public:
    Picture(Bounds bounds, int resourceId);
    ~Picture() override;
    void Paint(HDC dc, int dpi) override;
    bool IsBackground() const override { return true; }
    SIZE BitmapSize() const;

private:
    HBITMAP bitmap_ = nullptr;
};

// A transparent text label.
class Label : public GraphicControl {
public:
    Label(Bounds bounds, std::wstring caption, Font* font, bool visible = true);
    void Paint(HDC dc, int dpi) override;
    const std::wstring& Caption() const { return caption_; }
    void SetFont(Font* font) { font_ = font; }

private:
    std::wstring caption_;
    Font* font_;
};

// A flat speed button: no face of its own, its caption lies on what is
// beneath it; a thin raised frame while the mouse is over it, a sunken one
// while it is pressed. It never takes keyboard focus.
class SpeedButton : public GraphicControl {
public:
    SpeedButton(Bounds bounds, std::wstring caption, Font* font);
    void Paint(HDC dc, int dpi) override;
    bool WantsMouse() const override { return true; }
    void SetMouseState(bool hot, bool pressed) override;
    void Click() override;
    const std::wstring& Caption() const { return caption_; }

    std::function<void()> onClick;

private:
    std::wstring caption_;
    Font* font_;
    bool hot_ = false;
    bool pressed_ = false;
};

}  // namespace zrk
