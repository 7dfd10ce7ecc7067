#include "platform/win/message_boxes.h"

#include <windows.h>

#include "platform/error_text.h"
#include "platform/win/application.h"
#include "platform/win/form.h"
#include "platform/win/gui_metrics.h"
#include "platform/win/text.h"

namespace zrk {
namespace {

HHOOK g_hook = nullptr;

// Relabels the box's only button and centres the box on the screen as soon
// as the system has made it, before it is shown.
LRESULT CALLBACK RelabelDoneButton(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wp);
        SetDlgItemTextW(box, IDOK, L"完成");
        RECT r;
        GetWindowRect(box, &r);
        int w = r.right - r.left, h = r.bottom - r.top;
        SIZE desk = DesktopSize();
        SetWindowPos(box, nullptr, (desk.cx - w) / 2, (desk.cy - h) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

HWND ActiveOwner() {
    HWND active = GetActiveWindow();
    if (active)
        return active;
    Form* main = MainForm();
    return main ? main->Handle() : nullptr;
}

}  // namespace

void ShowErrorMessage(const std::string& text) {
    g_hook = SetWindowsHookExW(WH_CBT, RelabelDoneButton, nullptr, GetCurrentThreadId());
    MessageBoxW(ActiveOwner(), FromAnsi(text).c_str(), L"Error", MB_OK | MB_ICONERROR);
    if (g_hook) {
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
    }
}

void ShowDefaultErrorBox(const std::string& failureText) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    MessageBoxW(ActiveOwner(), FromAnsi(ErrorBoxText(failureText)).c_str(),
                FromAnsi(ApplicationTitle(exe)).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace zrk
