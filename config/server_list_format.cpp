#include "config/server_list_format.h"

namespace zrk {

std::vector<std::string> ParseServerList(const std::string& fileBytes) {
    const std::string contents = fileBytes.substr(0, fileBytes.find('\0'));
    std::vector<std::string> entries;
    std::string line;
    for (size_t i = 0; i < contents.size(); ++i) {
        const char c = contents[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n') ++i;
        entries.push_back(line);
        line.clear();
    }
    const bool lastLineUnended = !contents.empty() && contents.back() != '\r' && contents.back() != '\n';
    if (lastLineUnended) entries.push_back(line);
    return entries;
}

std::string FormatServerList(const std::vector<std::string>& entries) {
    std::string bytes;
    for (const std::string& entry : entries) bytes += entry + "\r\n";
    return bytes;
}

}  // namespace zrk
