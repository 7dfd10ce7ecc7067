#pragma once
// A borderless form: no title bar, frame, system menu or close box. It is
// created once, hidden, and only hidden again between showings, so its
// controls keep their state for the whole run.

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/win/control.h"
#include "platform/win/font.h"

namespace zrk {

enum ModalResult { kModalNone = 0, kModalOk = 1, kModalCancel = 2 };

class Form {
public:
    Form(std::wstring caption, int clientWidth, int clientHeight);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Controls are added in declaration order, which is also paint order.
    template <class T, class... Args>
    T* Add(Args&&... args) {
        auto control = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = control.get();
        raw->AttachTo(this);
        if constexpr (std::is_base_of_v<WindowedControl, T>)
            windowed_.push_back(raw);
        else
            graphic_.push_back(raw);
        controls_.push_back(std::move(control));
        return raw;
    }

    void SetColor(COLORREF color) { color_ = color; }
    void SetFont(FontStyle style) { font_ = std::make_unique<Font>(std::move(style)); }
    Font& DefaultFont() { return *font_; }

    // Creates the window (hidden) and its windowed controls. The first form
    // created is the application's main form; later ones are owned by it.
    void Create();
    HWND Handle() const { return hwnd_; }
    const std::wstring& Caption() const { return caption_; }
    // The dpi of the monitor the form is on; every position, size, font and
    // picture of the form is scaled from 96 dpi to it.
    int Dpi() const { return dpi_; }

    void Show();
    void Hide();
    bool Visible() const;
    // Shows the form and runs a nested message loop until Close(); the other
    // windows of the program take no input meanwhile.
    int ShowModal();
    void Close(int result = kModalCancel);

    void Invalidate(const Bounds* area = nullptr);
    // The form's background (colour and pictures) for windowed controls that
    // draw on it, such as the check box and the track bars.
    HBRUSH BackgroundBrush();

    static Form* FromHandle(HWND hwnd);

protected:
    virtual void Created() {}

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    void Paint();
    void PaintBackground(HDC dc, bool backgroundOnly);
    // The form drawn into a new bitmap compatible with reference.
    HBITMAP Render(HDC reference, bool backgroundOnly);
    void CentreOnDesktop();
    void PlaceCentred();
    SIZE ScaledSize() const;
    // Rescales the form and its controls for a new dpi; the top-left corner
    // moves to the given point, or stays.
    void ChangeDpi(int dpi, const POINT* topLeft);
    void DropBackgroundBrush();
    GraphicControl* MouseTarget(LPARAM lp) const;
    void OnMouseMove(LPARAM lp);
    void OnMouseDown(LPARAM lp);
    void OnMouseUp(LPARAM lp);
    void UpdateMouseStates();
    WindowedControl* ControlById(int id) const;
    WindowedControl* ControlByHandle(HWND hwnd) const;

    std::wstring caption_;
    int clientWidth_;
    int clientHeight_;
    int dpi_ = 96;
    COLORREF color_;
    std::unique_ptr<Font> font_;
    HWND hwnd_ = nullptr;
    bool shownOnce_ = false;
    int modalResult_ = kModalNone;
    bool inModalLoop_ = false;
    HBRUSH backgroundBrush_ = nullptr;

    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<GraphicControl*> graphic_;
    std::vector<WindowedControl*> windowed_;
    GraphicControl* hot_ = nullptr;
    GraphicControl* pressed_ = nullptr;
    bool trackingLeave_ = false;
};

}  // namespace zrk
