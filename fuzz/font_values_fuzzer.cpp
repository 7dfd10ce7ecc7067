// The stored forms of a font choice for any text: the widened name is
// 2n + 2 bytes with the text at the even offsets and zero bytes elsewhere,
// and the text value follows the "=TA" marker rule and is never empty.

#include <cstddef>
#include <cstdint>
#include <string>

#include "config/font_values.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::string widened = zrk::WidenFontName(text);
    ZRK_REQUIRE(widened.size() == 2 * text.size() + 2);
    for (size_t i = 0; i < text.size(); ++i) {
        ZRK_REQUIRE(widened[2 * i] == text[i]);
        ZRK_REQUIRE(widened[2 * i + 1] == '\0');
    }
    ZRK_REQUIRE(widened[widened.size() - 2] == '\0' && widened.back() == '\0');

    const std::string stored = zrk::FontTextToStore(text);
    std::string expected = text;
    if (text.find("=TA") != std::string::npos) expected.resize(text.size() - 3);
    if (expected.empty()) expected = zrk::kNoFontChoice;
    ZRK_REQUIRE(stored == expected);
    ZRK_REQUIRE(!stored.empty());
    return 0;
}
