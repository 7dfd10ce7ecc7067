#pragma once
// Texts of the default error box, which shows a failure that escaped an
// action: the application's title as caption and the failure's text.

#include <string>

namespace zrk {

// The executable's file name without its folder, cut at its first full stop,
// every letter after the first in small letters: "zrklauncher.exe" gives
// "Zrklauncher".
std::string ApplicationTitle(const std::string& exePath);

// The failure's text with a full stop appended when its last character sorts
// after the full stop ("Failed to set data for 'X'" keeps its apostrophe).
std::string ErrorBoxText(const std::string& failureText);

}  // namespace zrk
