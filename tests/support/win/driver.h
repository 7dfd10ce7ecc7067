#pragma once
// Drives the built programs under Wine as a player would: starts them in a
// game folder, finds their windows, clicks with mouse messages at a
// control's coordinates, reads and answers their message boxes.

#include <windows.h>

#include <string>
#include <vector>

namespace zrk::test {

// A path of the build tree (a Unix path) as Wine sees it, on drive Z:.
std::string BuildPath(const std::string& relative);

// A fresh folder under the prefix's temporary folder, removed at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

void CopyInto(const std::string& source, const std::string& folder, const std::string& name);
std::string ReadFileBytes(const std::string& path);
// Bytes as lowercase hexadecimal digits, as the stand-ins record them.
std::string Hex(const std::string& bytes);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool WaitForFile(const std::string& path, int timeoutMs);

struct WindowInfo {
    HWND hwnd = nullptr;
    std::wstring title;
    std::wstring className;
    bool visible = false;
};

// A program started with the given working directory.
class Program {
public:
    Program(const std::string& exe, const std::string& workingDir,
            const std::string& arguments = "");
    ~Program();
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }

    std::vector<WindowInfo> TopLevelWindows() const;
    // A visible top-level window of the program with this title.
    HWND WaitForWindow(const std::wstring& title, int timeoutMs = 10000) const;
    // A visible standard message box ("#32770") of the program.
    HWND WaitForMessageBox(int timeoutMs = 10000) const;
    bool WaitForWindowGone(HWND hwnd, int timeoutMs = 10000) const;
    // True when the program ended in time; its exit code in *code.
    bool WaitForExit(int timeoutMs, DWORD* code) const;
    bool Running() const;
    void Kill();

private:
    PROCESS_INFORMATION info_ = {};
};

// Mouse messages for a click at a point of a form's client area, given in
// 96-dpi pixels of the layout.
void ClickAt(HWND form, int x, int y);
// The centre of a rectangle of the layout.
void ClickCentre(HWND form, int left, int top, int width, int height);

std::wstring WindowText(HWND hwnd);
// The text of a message box: its static message.
std::wstring MessageBoxText(HWND box);
std::wstring MessageBoxButton(HWND box);
void PressMessageBoxButton(HWND box);
// The client rectangle of a window in screen coordinates.
RECT ClientRectOnScreen(HWND hwnd);

// The child controls of a window, in z order (creation order).
std::vector<WindowInfo> Children(HWND parent);

// Keys for windowed controls, as the system would deliver them.
void TypeText(HWND edit, const std::wstring& text);


}  // namespace zrk::test
