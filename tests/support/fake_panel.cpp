#include "tests/support/fake_panel.h"

#include "config/ascii_case.h"

namespace zrk {
int FakeFontChoices::Find(const std::string& text) const {
    if (text.empty())
        return -1;
    for (size_t i = 0; i < fonts_.size(); ++i) {
        if (EqualIgnoringAsciiCase(fonts_[i], text))
            return static_cast<int>(i);
    }
    return -1;
}

std::string FakeFontChoices::ChosenName(int row) const {
    int index = chosen_[row];
    return index < 0 ? std::string() : fonts_[static_cast<size_t>(index)];
}

}  // namespace zrk
