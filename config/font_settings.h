#pragma once
// The font choices of the five script rows, loaded from and saved to the
// configuration key while it is open.

#include <string>

#include "config/settings_store.h"

namespace zrk {

// The font settings dialog's five drop-down lists, which all hold the same
// font list in the same order.
class FontChoices {
public:
    virtual ~FontChoices() = default;
    // First entry equal to text ignoring letter case; empty text and no
    // match give -1.
    virtual int Find(const std::string& text) const = 0;
    virtual void Select(int row, int index) = 0;  // -1 clears the choice
    virtual std::string ChosenName(int row) const = 0;  // empty when none
};

// Reads A_FONT_* in row order and selects each stored name. A value of the
// wrong type raises RegistryFailure: the rows before it keep their new
// choice, the rows after it their old one.
void LoadFontChoices(SettingsStore& store, FontChoices& fonts);

// Writes A_FONT_* and W_FONT_* for every row, in row order.
void SaveFontChoices(SettingsStore& store, const FontChoices& fonts);

}  // namespace zrk
