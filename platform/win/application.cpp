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

template <class Function>
Function Lookup(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
                  : nullptr;
}

// Per-monitor dpi awareness, the best the system offers. The manifest asks
// for it already; this covers a start without the manifest (the windows
// made inside a test program). Each step only runs where the newer one is
// missing, and a refusal because the awareness is already set ends the
// search. The functions are looked up at run time: older systems and the
// import libraries lack them.
void EnableDpiAwareness() {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    using SetContextFn = BOOL(WINAPI*)(HANDLE);
    if (auto setContext = Lookup<SetContextFn>(user32, "SetProcessDpiAwarenessContext")) {
        const HANDLE perMonitorV2 = reinterpret_cast<HANDLE>(-4);
        const HANDLE perMonitor = reinterpret_cast<HANDLE>(-3);
        // Systems before Windows 10 1703 reject version 2 as an unknown value.
        if (!setContext(perMonitorV2) && GetLastError() == ERROR_INVALID_PARAMETER)
            setContext(perMonitor);
        return;
    }
    using SetAwarenessFn = HRESULT(WINAPI*)(int);
    const int processPerMonitorDpiAware = 2;
    if (auto setAwareness = Lookup<SetAwarenessFn>(LoadLibraryW(L"shcore.dll"), "SetProcessDpiAwareness")) {
        setAwareness(processPerMonitorDpiAware);
        return;
    }
    using SetAwareFn = BOOL(WINAPI*)();
    if (auto setAware = Lookup<SetAwareFn>(user32, "SetProcessDPIAware"))
        setAware();
}

}  // namespace

void InitApplication() {
    EnableDpiAwareness();
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
