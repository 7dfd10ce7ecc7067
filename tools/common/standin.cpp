#include "tools/common/standin.h"

#include <windows.h>

namespace zrk {

namespace {

const wchar_t kWindowClass[] = L"ZrkStandinText";
const COLORREF kGround = RGB(16, 22, 36);
const COLORREF kText = RGB(222, 230, 240);
const COLORREF kHeading = RGB(244, 196, 110);
const int kMargin = 14;

struct TextWindow {
    const std::vector<TextLine>* lines;
    HFONT font;
    HFONT bold;
    HBRUSH ground;
};

void WriteBytes(HANDLE file, const std::string& text) {
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

HFONT MonospaceFont(int weight) {
    return CreateFontW(-15, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       FIXED_PITCH | FF_MODERN, L"Courier New");
}

void PaintLines(HWND window, const TextWindow& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICW metrics;
    SelectObject(dc, state.font);
    GetTextMetricsW(dc, &metrics);
    int y = kMargin;
    for (const TextLine& line : *state.lines) {
        SelectObject(dc, line.heading ? state.bold : state.font);
        SetTextColor(dc, line.heading ? kHeading : kText);
        TextOutW(dc, kMargin, y, line.text.c_str(), static_cast<int>(line.text.size()));
        y += metrics.tmHeight + metrics.tmExternalLeading + 2;
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK TextWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* state = reinterpret_cast<TextWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, state->ground);
        return 1;
    }
    case WM_PAINT:
        PaintLines(window, *state);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void RegisterTextWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = TextWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

std::string CurrentDirectory() {
    char directory[MAX_PATH * 4] = {};
    GetCurrentDirectoryA(sizeof directory, directory);
    return directory;
}

bool ExitAfterRecord() { return GetEnvironmentVariableA("ZRK_STANDIN_EXIT", nullptr, 0) > 0; }

void AppendToFile(const std::string& name, const std::string& text) {
    HANDLE file = CreateFileA(name.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    WriteBytes(file, text);
    CloseHandle(file);
}

void ReplaceFileAtomically(const std::string& name, const std::string& text) {
    const std::string temporary = name + ".tmp";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    WriteBytes(file, text);
    CloseHandle(file);
    MoveFileExA(temporary.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::wstring Widen(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    std::wstring wide(MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], static_cast<int>(wide.size()));
    return wide;
}

WindowPlace DefaultWindowPlace(int width, int height) {
    return {CW_USEDEFAULT, CW_USEDEFAULT, width, height};
}

int RunTextWindow(const std::wstring& title, const WindowPlace& place,
                  const std::vector<TextLine>& lines) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterTextWindowClass(instance);
    TextWindow state = {&lines, MonospaceFont(FW_NORMAL), MonospaceFont(FW_BOLD),
                        CreateSolidBrush(kGround)};
    HWND window = CreateWindowExW(0, kWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, place.x,
                                  place.y, place.width, place.height, nullptr, nullptr, instance,
                                  &state);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    const int exitCode = RunMessageLoop();
    DeleteObject(state.font);
    DeleteObject(state.bold);
    DeleteObject(state.ground);
    return exitCode;
}

}  // namespace zrk
