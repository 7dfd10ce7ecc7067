#include "config/font_settings.h"

#include "config/font_values.h"

namespace zrk {

void LoadFontChoices(SettingsStore& store, FontChoices& fonts) {
    for (int row = 0; row < kFontRowCount; ++row) {
        std::string stored = store.ReadString(kFontRows[row].textValue);
        fonts.Select(row, fonts.Find(stored));
    }
}

void SaveFontChoices(SettingsStore& store, const FontChoices& fonts) {
    for (int row = 0; row < kFontRowCount; ++row) {
        std::string text = FontTextToStore(fonts.ChosenName(row));
        store.WriteString(kFontRows[row].textValue, text);
        store.WriteBinary(kFontRows[row].widenedValue, WidenFontName(text));
    }
}

}  // namespace zrk
