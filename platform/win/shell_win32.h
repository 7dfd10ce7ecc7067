#pragma once
// The system's shell and the launcher's own place on disk.

#include <string>
#include <vector>

namespace zrk {

// The directory of the running executable, up to and including its last
// separator. Paths of any length are reported whole.
std::string LauncherDirectory();

// A fresh NUL-terminated character buffer holding text: 1024 bytes, or more
// when the text would not fit, so nothing is ever cut or overrun.
std::vector<char> PathBuffer(const std::string& text);

// ShellExecuteA with verb "open", no owner window, SW_SHOW; returns at once.
// Its result is not looked at: a failed open is not reported.
void ShellOpen(const std::string& file, const std::string& directory);

}  // namespace zrk
