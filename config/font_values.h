#pragma once
// The stored forms of a font choice: the text value A_FONT_* and the widened
// binary value W_FONT_* of each script row.

#include <string>

namespace zrk {

extern const char kNoFontChoice[];  // "It is not chosen."

// The text stored for a box's chosen name (empty when nothing is chosen).
// A name holding "=TA" anywhere loses its last three bytes.
std::string FontTextToStore(const std::string& chosenName);

// Each byte followed by a zero byte, then two zero bytes: 2n + 2 bytes, with
// no code-page conversion.
std::string WidenFontName(const std::string& text);

struct FontRow {
    const char* textValue;
    const char* widenedValue;
};

constexpr int kFontRowCount = 5;

// Japanese, Western, Simplified Chinese, Traditional Chinese, Korean: the
// order of loading and saving.
extern const FontRow kFontRows[kFontRowCount];

}  // namespace zrk
