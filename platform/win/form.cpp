#include "platform/win/form.h"

#include <windowsx.h>

#include "platform/win/application.h"

namespace zrk {
namespace {

const wchar_t kFormClass[] = L"ZrkForm";
const int kFirstControlId = 100;

// The dpi of the monitor a window is on. GetDpiForWindow is looked up at
// run time: systems before Windows 10 (1607) lack it, and so do the import
// libraries; there the screen's logical pixels are the same on every monitor.
int WindowDpi(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow) {
        if (UINT dpi = getDpiForWindow(hwnd))
            return static_cast<int>(dpi);
    }
    HDC dc = GetDC(hwnd);
    int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSX) : 0;
    if (dc)
        ReleaseDC(hwnd, dc);
    return dpi > 0 ? dpi : 96;
}

BOOL CALLBACK CollectEnabledWindow(HWND hwnd, LPARAM lp) {
    auto* list = reinterpret_cast<std::vector<HWND>*>(lp);
    if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
        list->push_back(hwnd);
    return TRUE;
}

}  // namespace

void GraphicControl::SetVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    if (form_)
        form_->Invalidate(&bounds_);
}

Form::Form(std::wstring caption, int clientWidth, int clientHeight)
    : caption_(std::move(caption)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight),
      color_(GetSysColor(COLOR_BTNFACE)),
      font_(std::make_unique<Font>(FontStyle{})) {}

Form::~Form() {
    if (hwnd_)
        DestroyWindow(hwnd_);
    DropBackgroundBrush();
}

void Form::DropBackgroundBrush() {
    if (backgroundBrush_)
        DeleteObject(backgroundBrush_);
    backgroundBrush_ = nullptr;
}

SIZE Form::ScaledSize() const { return SIZE{Scale(clientWidth_, dpi_), Scale(clientHeight_, dpi_)}; }

Form* Form::FromHandle(HWND hwnd) {
    return reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Form::Create() {
    static bool registered = false;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registered) {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        wc.lpszClassName = kFormClass;
        RegisterClassExW(&wc);
        registered = true;
    }
    Form* main = MainForm();
    RegisterForm(this);
    HWND owner = (main && main != this) ? main->Handle() : nullptr;
    // Forms with windowed controls take part in dialog navigation (Tab).
    DWORD exStyle = windowed_.empty() ? 0 : WS_EX_CONTROLPARENT;
    if (!owner)
        exStyle |= WS_EX_APPWINDOW;
    SIZE initial = ScaledSize();
    hwnd_ = CreateWindowExW(exStyle, kFormClass, caption_.c_str(), WS_POPUP | WS_CLIPCHILDREN, 0, 0,
                            initial.cx, initial.cy, owner, nullptr, instance, this);
    // Only a window knows the dpi of its monitor: the form is sized again
    // for it before its controls are made.
    dpi_ = WindowDpi(hwnd_);
    SIZE size = ScaledSize();
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    int id = kFirstControlId;
    for (WindowedControl* control : windowed_)
        control->CreateHandle(hwnd_, id++, dpi_);
    Created();
}

void Form::CentreOnDesktop() {
    int before = dpi_;
    PlaceCentred();
    // The centre may lie on a monitor of another dpi than the one the form
    // was made on: the form is rescaled (unless WM_DPICHANGED already did)
    // and centred again at its new size.
    int dpi = WindowDpi(hwnd_);
    if (dpi == before)
        return;
    if (dpi != dpi_)
        ChangeDpi(dpi, nullptr);
    PlaceCentred();
}

void Form::PlaceCentred() {
    SIZE desk = DesktopSize();
    SIZE size = ScaledSize();
    SetWindowPos(hwnd_, nullptr, (desk.cx - size.cx) / 2, (desk.cy - size.cy) / 2, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::ChangeDpi(int dpi, const POINT* topLeft) {
    dpi_ = dpi;
    DropBackgroundBrush();
    // Borderless: the window is exactly its client area, scaled from the
    // layout rather than from the old size, so no rounding accumulates.
    SIZE size = ScaledSize();
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0 : SWP_NOMOVE);
    SetWindowPos(hwnd_, nullptr, topLeft ? topLeft->x : 0, topLeft ? topLeft->y : 0, size.cx, size.cy, flags);
    for (WindowedControl* control : windowed_)
        control->Rescale(dpi_);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Form::Show() {
    if (!shownOnce_) {
        CentreOnDesktop();
        shownOnce_ = true;
    }
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
}

void Form::Hide() { ShowWindow(hwnd_, SW_HIDE); }

bool Form::Visible() const { return IsWindowVisible(hwnd_) != FALSE; }

int Form::ShowModal() {
    // Every other enabled window of this thread is disabled while the form
    // is up, and enabled again afterwards.
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
    for (HWND hwnd : disabled)
        EnableWindow(hwnd, FALSE);

    modalResult_ = kModalNone;
    inModalLoop_ = true;
    Show();
    MSG msg;
    while (modalResult_ == kModalNone) {
        int got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop ends too
            modalResult_ = kModalCancel;
            break;
        }
        DispatchOne(msg);
    }
    inModalLoop_ = false;
    for (HWND hwnd : disabled)
        EnableWindow(hwnd, TRUE);
    Hide();
    if (!disabled.empty())
        SetForegroundWindow(disabled.front());
    return modalResult_;
}

void Form::Close(int result) {
    if (inModalLoop_)
        modalResult_ = result;
    else if (this == MainForm())
        Terminate();
    else
        Hide();
}

void Form::Invalidate(const Bounds* area) {
    if (!hwnd_)
        return;
    if (!area) {
        InvalidateRect(hwnd_, nullptr, FALSE);
        return;
    }
    RECT r = ScaleRect(*area, dpi_);
    InvalidateRect(hwnd_, &r, FALSE);
}

void Form::PaintBackground(HDC dc, bool backgroundOnly) {
    SIZE size = ScaledSize();
    RECT all = {0, 0, size.cx, size.cy};
    HBRUSH brush = CreateSolidBrush(color_);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    for (GraphicControl* control : graphic_) {
        if (control->Visible() && (!backgroundOnly || control->IsBackground()))
            control->Paint(dc, dpi_);
    }
}

HBITMAP Form::Render(HDC reference, bool backgroundOnly) {
    SIZE size = ScaledSize();
    HDC mem = CreateCompatibleDC(reference);
    HBITMAP bitmap = CreateCompatibleBitmap(reference, size.cx, size.cy);
    HGDIOBJ old = SelectObject(mem, bitmap);
    PaintBackground(mem, backgroundOnly);
    SelectObject(mem, old);
    DeleteDC(mem);
    return bitmap;
}

void Form::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    // Drawn off screen first, so the buttons never flicker over the picture.
    HBITMAP bitmap = Render(dc, false);
    SIZE size = ScaledSize();
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(dc, 0, 0, size.cx, size.cy, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bitmap);
    EndPaint(hwnd_, &ps);
}

HBRUSH Form::BackgroundBrush() {
    if (backgroundBrush_)
        return backgroundBrush_;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = Render(screen, true);
    ReleaseDC(nullptr, screen);
    backgroundBrush_ = CreatePatternBrush(bitmap);
    DeleteObject(bitmap);
    return backgroundBrush_;
}

GraphicControl* Form::MouseTarget(LPARAM lp) const {
    int x = MulDiv(GET_X_LPARAM(lp), 96, dpi_), y = MulDiv(GET_Y_LPARAM(lp), 96, dpi_);
    for (auto it = graphic_.rbegin(); it != graphic_.rend(); ++it) {
        GraphicControl* control = *it;
        if (control->Visible() && control->WantsMouse() && control->Bounds96().Contains(x, y))
            return control;
    }
    return nullptr;
}

void Form::UpdateMouseStates() {
    for (GraphicControl* control : graphic_) {
        if (control->WantsMouse())
            control->SetMouseState(control == hot_, control == pressed_ && control == hot_);
    }
}

void Form::OnMouseMove(LPARAM lp) {
    GraphicControl* target = MouseTarget(lp);
    if (target != hot_) {
        if (hot_)
            Invalidate(&hot_->Bounds96());
        hot_ = target;
        if (hot_)
            Invalidate(&hot_->Bounds96());
        UpdateMouseStates();
    }
    if (!trackingLeave_) {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, hwnd_, 0};
        trackingLeave_ = TrackMouseEvent(&tme) != FALSE;
    }
}

void Form::OnMouseDown(LPARAM lp) {
    hot_ = MouseTarget(lp);
    pressed_ = hot_;
    if (!pressed_)
        return;
    SetCapture(hwnd_);
    UpdateMouseStates();
    Invalidate(&pressed_->Bounds96());
}

void Form::OnMouseUp(LPARAM lp) {
    GraphicControl* pressed = pressed_;
    if (!pressed)
        return;
    pressed_ = nullptr;
    ReleaseCapture();
    hot_ = MouseTarget(lp);
    UpdateMouseStates();
    Invalidate(&pressed->Bounds96());
    // The click fires on release inside the button that was pressed.
    if (hot_ == pressed)
        RunGuarded([pressed] { pressed->Click(); });
}

WindowedControl* Form::ControlById(int id) const {
    size_t index = static_cast<size_t>(id - kFirstControlId);
    return (id >= kFirstControlId && index < windowed_.size()) ? windowed_[index] : nullptr;
}

WindowedControl* Form::ControlByHandle(HWND hwnd) const {
    for (WindowedControl* control : windowed_) {
        if (control->Handle() == hwnd)
            return control;
    }
    return nullptr;
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        auto* form = static_cast<Form*>(cs->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    Form* form = FromHandle(hwnd);
    if (!form)
        return DefWindowProcW(hwnd, msg, wp, lp);
    return form->HandleMessage(msg, wp, lp);
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
        OnMouseMove(lp);
        return 0;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        if (hot_ && !pressed_) {
            Invalidate(&hot_->Bounds96());
            hot_ = nullptr;
            UpdateMouseStates();
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnMouseDown(lp);
        return 0;
    case WM_LBUTTONUP:
        OnMouseUp(lp);
        return 0;
    case WM_CAPTURECHANGED:
        if (pressed_ && reinterpret_cast<HWND>(lp) != hwnd_) {
            Invalidate(&pressed_->Bounds96());
            pressed_ = nullptr;
            UpdateMouseStates();
        }
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        HWND child = reinterpret_cast<HWND>(lp);
        WindowedControl* control = ControlByHandle(child);
        if (!control)
            break;
        HDC dc = reinterpret_cast<HDC>(wp);
        POINT origin = {0, 0};
        MapWindowPoints(child, hwnd_, &origin, 1);
        SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(BackgroundBrush());
    }
    case WM_COMMAND:
        if (WindowedControl* control = ControlByHandle(reinterpret_cast<HWND>(lp))) {
            RunGuarded([control, wp] { control->Command(HIWORD(wp)); });
            return 0;
        }
        break;
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (WindowedControl* control = ControlById(static_cast<int>(item->CtlID))) {
            control->MeasureItem(item, dpi_);
            return TRUE;
        }
        break;
    }
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        if (WindowedControl* control = ControlById(static_cast<int>(item->CtlID))) {
            control->DrawItem(*item);
            return TRUE;
        }
        break;
    }
    case WM_DPICHANGED: {
        // Moved onto a monitor of another dpi: the system suggests where the
        // rescaled window goes.
        const RECT* suggested = reinterpret_cast<const RECT*>(lp);
        POINT topLeft = {suggested->left, suggested->top};
        ChangeDpi(LOWORD(wp), &topLeft);
        return 0;
    }
    case WM_CLOSE:
        // The system's close command (Alt+F4): a modal form closes without
        // its action, the main form ends the program, others hide.
        Close(kModalCancel);
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace zrk
