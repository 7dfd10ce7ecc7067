#pragma once
// The two message boxes of the launcher, both standard system message boxes.

#include <string>

namespace zrk {

// An action's own error message: caption "Error", the error icon, the text
// and one button "完成", centred on the screen. Modal; returns when closed.
void ShowErrorMessage(const std::string& text);

// A failure that escaped an action: the application title as caption, the
// text with the full-stop rule, the error icon and OK.
void ShowDefaultErrorBox(const std::string& failureText);

}  // namespace zrk
