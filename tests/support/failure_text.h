#pragma once
// The text of the failure an action raises, or "(no failure)".

#include <string>

#include "platform/failure.h"

namespace zrk {

template <typename Action>
std::string FailureText(Action action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "(no failure)";
}

}  // namespace zrk
