#pragma once
// The system's own text for an error code, as the player reads it after a
// failure of ours.

#include <string>

namespace zrk {

// The system's message for the code without its trailing line break.
std::string SystemErrorText(unsigned long code);

}  // namespace zrk
