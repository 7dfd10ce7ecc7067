#include "platform/win/shell_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

namespace zrk {

std::string LauncherDirectory() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            std::string full(path.data(), n);
            return full.substr(0, full.find_last_of("\\/") + 1);
        }
        path.resize(path.size() * 2);
    }
}

std::vector<char> PathBuffer(const std::string& text) {
    std::vector<char> buffer(std::max<size_t>(1024, text.size() + 1), '\0');
    std::copy(text.begin(), text.end(), buffer.begin());
    return buffer;
}

void ShellOpen(const std::string& file, const std::string& directory) {
    std::vector<char> parameters = PathBuffer("");  // empty, not absent
    std::vector<char> dir = PathBuffer(directory);
    ShellExecuteA(nullptr, "open", file.c_str(), parameters.data(), dir.data(), SW_SHOW);
}

}  // namespace zrk
