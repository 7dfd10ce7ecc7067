#pragma once
// The bytes of server.lst: one entry per line, newest first, unconverted.

#include <string>
#include <vector>

namespace zrk {

// A line ends at CR LF, a lone CR or a lone LF; a last line without an end
// is an entry too, and a line end at the very end adds no empty entry.
// A NUL byte ends the contents. Empty lines are empty entries; nothing is
// trimmed.
std::vector<std::string> ParseServerList(const std::string& fileBytes);

// Every entry followed by CR LF, the last one too.
std::string FormatServerList(const std::vector<std::string>& entries);

}  // namespace zrk
