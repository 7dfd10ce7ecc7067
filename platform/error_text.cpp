#include "platform/error_text.h"

#include <cctype>

namespace zrk {

std::string ApplicationTitle(const std::string& exePath) {
    std::string name = exePath.substr(exePath.find_last_of("\\/:") + 1);
    name = name.substr(0, name.find('.'));
    for (size_t i = 0; i < name.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        if (c >= 0x80) {
            ++i;  // a double-byte character: its trail byte is no letter
            continue;
        }
        if (i == 0)
            name[i] = static_cast<char>(std::toupper(c));
        else
            name[i] = static_cast<char>(std::tolower(c));
    }
    return name;
}

std::string ErrorBoxText(const std::string& failureText) {
    if (!failureText.empty() && static_cast<unsigned char>(failureText.back()) > '.')
        return failureText + ".";
    return failureText;
}

}  // namespace zrk
