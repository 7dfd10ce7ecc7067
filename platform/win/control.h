#pragma once
// Controls of a form. Graphic controls have no window of their own: the form
// paints them and hands them the mouse. Windowed controls are standard Win32
// controls, so accessibility and automation tools can read them.

#include <windows.h>

#include "platform/win/gui_metrics.h"

namespace zrk {

class Font;
class Form;

class Control {
public:
    explicit Control(Bounds bounds) : bounds_(bounds) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const Bounds& Bounds96() const { return bounds_; }
    Form* Owner() const { return form_; }
    void AttachTo(Form* form) { form_ = form; }

protected:
    Bounds bounds_;
    Form* form_ = nullptr;
};

class GraphicControl : public Control {
public:
    using Control::Control;
    virtual void Paint(HDC dc, int dpi) = 0;
    // Part of the form's background (drawn beneath windowed controls too).
    virtual bool IsBackground() const { return false; }
    virtual bool WantsMouse() const { return false; }
    virtual void SetMouseState(bool /*hot*/, bool /*pressed*/) {}
    virtual void Click() {}

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

private:
    bool visible_ = true;
};

class WindowedControl : public Control {
public:
    WindowedControl(Bounds bounds, Font* font) : Control(bounds), font_(font) {}
    HWND Handle() const { return hwnd_; }
    virtual void CreateHandle(HWND parent, int id, int dpi) = 0;
    // Places the window and sets its font for the form's dpi; again
    // whenever the form moves to a monitor of another dpi.
    virtual void Rescale(int dpi);
    // Routed by the form: notifications and owner-draw requests.
    virtual void Command(int /*code*/) {}
    virtual void MeasureItem(MEASUREITEMSTRUCT* /*item*/, int /*dpi*/) {}
    virtual void DrawItem(const DRAWITEMSTRUCT& /*item*/) {}

protected:
    // The window's height in 96-dpi pixels: a drop-down box's includes its
    // list.
    virtual int WindowHeight() const { return bounds_.height; }
    void CreateWindowFor(const wchar_t* cls, const wchar_t* text, DWORD style, HWND parent, int id,
                         int dpi);
    void ApplyFont(int dpi);

    HWND hwnd_ = nullptr;
    Font* font_;
};

}  // namespace zrk
