#include "platform/win/application.h"

#include <windows.h>
#include <commctrl.h>

#include <exception>

#include "platform/failure.h"
#include "platform/win/form.h"
#include "platform/win/message_boxes.h"

namespace zrk {
namespace {
Form* g_mainForm = nullptr;
}

void InitApplication() {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
}

Form* MainForm() { return g_mainForm; }

void RegisterForm(Form* form) {
    if (!g_mainForm)
        g_mainForm = form;
}

void DispatchOne(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && (GetWindowLongW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) &&
        IsDialogMessageW(root, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int RunApplication() {
    if (g_mainForm)
        g_mainForm->Show();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchOne(msg);
    return 0;
}

void Terminate() { PostQuitMessage(0); }

void RunGuarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& failure) {
        ShowDefaultErrorBox(failure.what());
    }
}

}  // namespace zrk
