#include "config/font_values.h"

#include <gtest/gtest.h>

#include <string>

namespace zrk {
namespace {

TEST(FontValues, StoredTextDropsTheMarkerTailAndFillsInTheNoChoiceText) {
    struct Case {
        std::string chosen;
        std::string stored;
    };
    const Case cases[] = {
        {"Arial", "Arial"},
        {"Arial=TA", "Arial"},
        {"A=TAbc", "A=T"},  // the last three bytes go, wherever the marker stood
        {"=TA", "It is not chosen."},
        {"", "It is not chosen."},
        {"Arial=ta", "Arial=ta"},
        {"\xCB\xCE", "\xCB\xCE"},
    };
    for (const Case& c : cases) EXPECT_EQ(FontTextToStore(c.chosen), c.stored) << c.chosen;
    EXPECT_STREQ(kNoFontChoice, "It is not chosen.");
}

TEST(FontValues, NoChoiceTextWidensToThirtySixBytes) {
    const std::string widened = WidenFontName(FontTextToStore(""));
    EXPECT_EQ(widened, std::string("I\0t\0 \0i\0s\0 \0n\0o\0t\0 \0c\0h\0o\0s\0e\0n\0.\0\0\0", 36));
}

TEST(FontValues, NamesWidenByteByByte) {
    EXPECT_EQ(WidenFontName("\xCB\xCE"), std::string("\xCB\0\xCE\0\0\0", 6));
    EXPECT_EQ(WidenFontName(""), std::string(2, '\0'));
}

void ExpectWidenedLayout(const std::string& text, const std::string& widened) {
    ASSERT_EQ(widened.size(), 2 * text.size() + 2);
    for (size_t i = 0; i < text.size(); ++i) {
        ASSERT_EQ(widened[2 * i], text[i]) << i;
        ASSERT_EQ(widened[2 * i + 1], '\0') << i;
    }
    EXPECT_EQ(widened.substr(widened.size() - 2), std::string(2, '\0'));
}

TEST(FontValues, LongestFaceNameAndLongTextsWidenWhole) {
    const std::string faceName = "Abcdefghijklmnopqrstuvwxyz01234";
    ASSERT_EQ(faceName.size(), 31u);
    const std::string stored = FontTextToStore(faceName);
    EXPECT_EQ(stored, faceName);
    EXPECT_EQ(stored.size() + 1, 32u);  // with the string value's zero byte
    ExpectWidenedLayout(stored, WidenFontName(stored));
    EXPECT_EQ(WidenFontName(stored).size(), 64u);

    std::string longText;
    for (int i = 0; i < 200; ++i) longText += static_cast<char>('!' + i % 90);
    const std::string widened = WidenFontName(longText);
    EXPECT_EQ(widened.size(), 402u);
    ExpectWidenedLayout(longText, widened);
}

TEST(FontValues, ScriptRowsNameTheirValuesInOrder) {
    const char* const names[kFontRowCount][2] = {
        {"A_FONT_JAPAN", "W_FONT_JAPAN"},
        {"A_FONT_LATIN", "W_FONT_LATIN"},
        {"A_FONT_SIMPLE_CHINESE", "W_FONT_SIMPLE_CHINESE"},
        {"A_FONT_TRAD_CHINESE", "W_FONT_TRAD_CHINESE"},
        {"A_FONT_KOREA", "W_FONT_KOREA"},
    };
    for (int i = 0; i < kFontRowCount; ++i) {
        EXPECT_STREQ(kFontRows[i].textValue, names[i][0]);
        EXPECT_STREQ(kFontRows[i].widenedValue, names[i][1]);
    }
}

}  // namespace
}  // namespace zrk
