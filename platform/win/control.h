#pragma once
// Controls of a form. Graphic controls have no window of their own: the form
// paints them and hands them the mouse. Windowed controls are standard Win32
// controls, so accessibility and automation tools can read them.

#include <windows.h>

#include "platform/win/gui_metrics.h"

namespace zrk {

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
    using Control::Control;
    HWND Handle() const { return hwnd_; }
    virtual void CreateHandle(HWND parent, int id, int dpi) = 0;
    // Places the window for the form's dpi.
    void Place(int dpi);
    // Routed by the form: notifications and owner-draw requests.
    virtual void Command(int /*code*/) {}
    virtual void MeasureItem(MEASUREITEMSTRUCT* /*item*/, int /*dpi*/) {}
    virtual void DrawItem(const DRAWITEMSTRUCT& /*item*/) {}

protected:
    HWND hwnd_ = nullptr;
};

}  // namespace zrk
