#pragma once
// A failure that ends the running action. Its text is what the player reads
// in the default error box, so it is formed where the failure is known.

#include <stdexcept>
#include <string>

namespace zrk {

class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace zrk
