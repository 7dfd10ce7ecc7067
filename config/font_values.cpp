#include "config/font_values.h"

namespace zrk {

const char kNoFontChoice[] = "It is not chosen.";

const FontRow kFontRows[kFontRowCount] = {
    {"A_FONT_JAPAN", "W_FONT_JAPAN"},
    {"A_FONT_LATIN", "W_FONT_LATIN"},
    {"A_FONT_SIMPLE_CHINESE", "W_FONT_SIMPLE_CHINESE"},
    {"A_FONT_TRAD_CHINESE", "W_FONT_TRAD_CHINESE"},
    {"A_FONT_KOREA", "W_FONT_KOREA"},
};

namespace {
const char kMarker[] = "=TA";
constexpr size_t kMarkerSize = sizeof(kMarker) - 1;
}  // namespace

std::string FontTextToStore(const std::string& chosenName) {
    std::string text = chosenName;
    if (text.find(kMarker) != std::string::npos) text.resize(text.size() - kMarkerSize);
    return text.empty() ? kNoFontChoice : text;
}

std::string WidenFontName(const std::string& text) {
    // Sized to the text, so names beyond 127 bytes are widened whole, never cut.
    std::string widened(2 * text.size() + 2, '\0');
    for (size_t i = 0; i < text.size(); ++i) widened[2 * i] = text[i];
    return widened;
}

}  // namespace zrk
