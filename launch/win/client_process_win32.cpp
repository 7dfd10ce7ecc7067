#include "launch/win/client_process_win32.h"

#include <vector>

#include "platform/win/shell_win32.h"
#include "platform/win/system_error.h"

namespace zrk {
namespace {

// PROCESS_ALL_ACCESS as defined before Windows Vista: every right the
// client's memory writes need, on every version.
const DWORD kClientAccess = 0x1F0FFF;

}  // namespace

Win32ClientProcess::~Win32ClientProcess() {
    if (opened_)
        CloseHandle(opened_);
    if (created_.hThread)
        CloseHandle(created_.hThread);
    if (created_.hProcess)
        CloseHandle(created_.hProcess);
}

bool Win32ClientProcess::Create(const ClientStart& start, std::string* reason) {
    std::vector<char> title = PathBuffer(start.title);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);  // 68
    si.lpTitle = title.data();
    si.dwX = static_cast<DWORD>(start.window.x);
    si.dwY = static_cast<DWORD>(start.window.y);
    si.dwXSize = static_cast<DWORD>(start.window.width);
    si.dwYSize = static_cast<DWORD>(start.window.height);
    si.dwFlags = STARTF_USEPOSITION | STARTF_USESIZE;
    std::vector<char> commandLine = PathBuffer(start.commandLine);
    std::vector<char> directory = PathBuffer(start.directory);
    // Held before its first instruction until the writes have landed.
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                       NORMAL_PRIORITY_CLASS | CREATE_SUSPENDED, nullptr, directory.data(), &si,
                       &created_))
        return true;
    *reason = SystemErrorText(GetLastError());
    return false;
}

void Win32ClientProcess::Open() {
    opened_ = OpenProcess(kClientAccess, FALSE, created_.dwProcessId);
}

void Win32ClientProcess::Write(uint32_t address, const std::string& bytes) {
    SIZE_T written = 0;
    WriteProcessMemory(opened_, reinterpret_cast<void*>(static_cast<uintptr_t>(address)), bytes.data(),
                       bytes.size(), &written);
}

void Win32ClientProcess::Resume() {
    if (created_.hThread)
        ResumeThread(created_.hThread);
}

}  // namespace zrk
