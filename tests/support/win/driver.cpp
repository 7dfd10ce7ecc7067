#include "tests/support/win/driver.h"


#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace zrk::test {
namespace {

bool Poll(int timeoutMs, const std::function<bool()>& done) {
    DWORD start = GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (static_cast<int>(GetTickCount() - start) > timeoutMs)
            return false;
        Sleep(20);
    }
}

struct Collect {
    DWORD pid;
    std::vector<WindowInfo>* out;
};

WindowInfo Describe(HWND hwnd) {
    WindowInfo info;
    info.hwnd = hwnd;
    info.title = WindowText(hwnd);
    wchar_t cls[256] = {};
    GetClassNameW(hwnd, cls, 256);
    info.className = cls;
    info.visible = IsWindowVisible(hwnd) != FALSE;
    return info;
}

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM lp) {
    auto* c = reinterpret_cast<Collect*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == c->pid)
        c->out->push_back(Describe(hwnd));
    return TRUE;
}

struct CollectChildren {
    HWND parent;
    std::vector<WindowInfo>* out;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
    auto* c = reinterpret_cast<CollectChildren*>(lp);
    if (GetParent(hwnd) == c->parent)
        c->out->push_back(Describe(hwnd));
    return TRUE;
}

}  // namespace

std::string BuildPath(const std::string& relative) {
    std::string path = std::string("Z:") + ZRK_BIN_DIR + "/" + relative;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

TempDir::TempDir() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    std::ostringstream name;
    name << base << "zrk-test-" << GetCurrentProcessId() << "-" << ++counter;
    path_ = name.str();
    CreateDirectoryA(path_.c_str(), nullptr);
}

namespace {

// Removes a folder and what it holds, never following anything out of it:
// only names that FindFirstFile lists inside it are removed.
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = folder + L"\\" + name;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                RemoveTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempDir::~TempDir() {
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, path_.c_str(), -1, wide, MAX_PATH);
    RemoveTree(wide);
}

void CopyInto(const std::string& source, const std::string& folder, const std::string& name) {
    std::string target = folder + "\\" + name;
    if (!CopyFileA(source.c_str(), target.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + source + " to " + target);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Hex(const std::string& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char byte : bytes) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool WaitForFile(const std::string& path, int timeoutMs) {
    return Poll(timeoutMs, [&] { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; });
}

Program::Program(const std::string& exe, const std::string& workingDir, const std::string& arguments) {
    std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        workingDir.c_str(), &si, &info_))
        throw std::runtime_error("cannot start " + exe);
}

Program::~Program() {
    if (Running())
        Kill();
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

std::vector<WindowInfo> Program::TopLevelWindows() const {
    std::vector<WindowInfo> windows;
    Collect c{info_.dwProcessId, &windows};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&c));
    return windows;
}

HWND Program::WaitForWindow(const std::wstring& title, int timeoutMs) const {
    HWND found = nullptr;
    Poll(timeoutMs, [&] {
        for (const WindowInfo& w : TopLevelWindows()) {
            if (w.visible && w.title == title)
                found = w.hwnd;
        }
        return found != nullptr;
    });
    return found;
}

HWND Program::WaitForMessageBox(int timeoutMs) const {
    HWND found = nullptr;
    Poll(timeoutMs, [&] {
        for (const WindowInfo& w : TopLevelWindows()) {
            if (w.visible && w.className == L"#32770")
                found = w.hwnd;
        }
        return found != nullptr;
    });
    return found;
}

bool Program::WaitForWindowGone(HWND hwnd, int timeoutMs) const {
    return Poll(timeoutMs, [&] { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); });
}

bool Program::WaitForExit(int timeoutMs, DWORD* code) const {
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(info_.hProcess, code);
    return true;
}

bool Program::Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

void Program::Kill() {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
}

void ClickAt(HWND form, int x, int y) {
    // The screen's dpi, which the tests and the launcher they start share. A
    // device context of the other program's window is not taken: under Wine
    // that makes X drawing objects for a window another process may be
    // tearing down at that moment.
    int dpi = 96;
    if (HDC dc = GetDC(nullptr)) {
        dpi = GetDeviceCaps(dc, LOGPIXELSX);
        ReleaseDC(nullptr, dc);
    }
    LPARAM point = MAKELPARAM(MulDiv(x, dpi, 96), MulDiv(y, dpi, 96));
    PostMessageW(form, WM_MOUSEMOVE, 0, point);
    PostMessageW(form, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(form, WM_LBUTTONUP, 0, point);
}

void ClickCentre(HWND form, int left, int top, int width, int height) {
    ClickAt(form, left + width / 2, top + height / 2);
}

std::wstring WindowText(HWND hwnd) {
    wchar_t text[1024] = {};
    // WM_GETTEXT reads windows of other processes too.
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    return text;
}

std::vector<WindowInfo> Children(HWND parent) {
    std::vector<WindowInfo> children;
    CollectChildren c{parent, &children};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&c));
    return children;
}

std::wstring MessageBoxText(HWND box) {
    for (const WindowInfo& child : Children(box)) {
        if (child.className == L"Static" && !child.title.empty())
            return child.title;
    }
    return L"";
}

std::wstring MessageBoxButton(HWND box) { return WindowText(GetDlgItem(box, IDOK)); }

void PressMessageBoxButton(HWND box) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

RECT ClientRectOnScreen(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void TypeText(HWND edit, const std::wstring& text) {
    for (wchar_t c : text)
        SendMessageW(edit, WM_CHAR, c, 1);
}

}  // namespace zrk::test
