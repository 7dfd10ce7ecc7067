// The yardstick for the launcher's start-up: the least a Win32 program does
// to show one window of the main window's size. It runs until it is closed
// (the harness ends it once the window is shown).
//   minimal_window.exe            an empty window
//   minimal_window.exe --fonts    also enumerates the font families first
//                                 and draws a line of text in the launcher's
//                                 button font: the work every start of the
//                                 launcher must do, with nothing of ours

#include <windows.h>

#include <cstring>

namespace {

bool g_text = false;

int CALLBACK CountFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return 1;
}

void PaintText(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HFONT font = CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Courier New");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 22, 124, L"在线游戏", 4);
    SelectObject(dc, old);
    DeleteObject(font);
    EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && g_text) {
        PaintText(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    g_text = std::strstr(commandLine, "--fonts") != nullptr;
    if (g_text) {
        int families = 0;
        HDC screen = GetDC(nullptr);
        EnumFontFamiliesA(screen, nullptr, CountFamily, reinterpret_cast<LPARAM>(&families));
        ReleaseDC(nullptr, screen);
    }
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"ZrkMinimalWindow";
    RegisterClassW(&windowClass);
    const int width = 223, height = 351;
    HWND window = CreateWindowExW(WS_EX_APPWINDOW, windowClass.lpszClassName, L"minimal", WS_POPUP,
                                  (GetSystemMetrics(SM_CXVIRTUALSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYVIRTUALSCREEN) - height) / 2, width, height,
                                  nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
