#include "platform/win/files_win32.h"

#include <windows.h>

#include <algorithm>

#include "platform/failure.h"
#include "platform/win/system_error.h"
#include "platform/win/text.h"

namespace zrk {
namespace {

// Reads and writes go in pieces that a DWORD count always holds.
constexpr DWORD kChunk = 1 << 20;

// The wide call: the ANSI one gives up on paths longer than MAX_PATH, which
// a working directory may be.
std::string FullPath(const std::string& name) {
    const std::wstring wide = FromAnsi(name);
    DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return name;
    }
    std::wstring path(size, L'\0');
    DWORD length = GetFullPathNameW(wide.c_str(), size, &path[0], nullptr);
    if (length == 0 || length >= size) {
        return name;
    }
    path.resize(length);
    return ToAnsi(path);
}

// The error code is taken first: finding the full path may overwrite it.
[[noreturn]] void Fail(const char* what, const std::string& name, DWORD code) {
    throw Failure(std::string(what) + " \"" + FullPath(name) + "\". " + SystemErrorText(code));
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        bool closed = !Valid() || CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool ReadWhole(HANDLE file, std::string* bytes) {
    std::string chunk(kChunk, '\0');
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file, &chunk[0], kChunk, &read, nullptr)) {
            return false;
        }
        if (read == 0) {
            return true;
        }
        bytes->append(chunk, 0, read);
    }
}

bool WriteWhole(HANDLE file, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        DWORD piece = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, kChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, piece, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

bool Win32Files::FileExists(const std::string& name) {
    DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string Win32Files::ReadAll(const std::string& name) {
    Handle file(CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes;
    if (!file.Valid() || !ReadWhole(file.Get(), &bytes)) {
        Fail("Cannot open file", name, GetLastError());
    }
    return bytes;
}

void Win32Files::ReplaceAll(const std::string& name, const std::string& bytes) {
    const std::string temporary = name + ".tmp";
    DWORD code = WriteBeside(temporary, bytes);
    if (code == ERROR_SUCCESS) {
        code = MoveOver(temporary, name);
    }
    if (code == ERROR_SUCCESS) {
        return;
    }
    DeleteFileA(temporary.c_str());
    Fail("Cannot create file", name, code);
}

// The error codes are taken before any handle closes.
unsigned long Win32Files::WriteBeside(const std::string& temporary, const std::string& bytes) {
    Handle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    bool written = file.Valid() && WriteWhole(file.Get(), bytes) && FlushFileBuffers(file.Get()) &&
                   file.Close();
    return written ? ERROR_SUCCESS : GetLastError();
}

unsigned long Win32Files::MoveOver(const std::string& temporary, const std::string& name) {
    bool moved = MoveFileExA(temporary.c_str(), name.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return moved ? ERROR_SUCCESS : GetLastError();
}

}  // namespace zrk
