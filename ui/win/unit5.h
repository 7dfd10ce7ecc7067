#pragma once
// TForm5, the font settings dialog: five drop-down lists of the installed
// font families, one per script row, filled once when it is created.

#include <string>

#include "config/font_settings.h"
#include "config/font_values.h"
#include "platform/win/form.h"
#include "platform/win/graphic_controls.h"
#include "platform/win/windowed_controls.h"

namespace zrk {

class TForm5 : public Form, public FontChoices {
public:
    TForm5();

    SpeedButton* SpeedButton1;
    Label* Label1;
    Label* Label2;
    Label* Label3;
    Label* Label4;
    Label* Label5;
    Label* Label6;
    Label* Label7;
    Label* Label8;
    OwnerDrawList* ComboBox1;
    OwnerDrawList* ComboBox2;
    OwnerDrawList* ComboBox3;
    OwnerDrawList* ComboBox4;
    OwnerDrawList* ComboBox5;

    void SpeedButton1Click(SpeedButton* sender);  // "完成"
    void FormCreate();                            // fill font list

    // FontChoices
    int Find(const std::string& text) const override;
    void Select(int row, int index) override;
    std::string ChosenName(int row) const override;

    // Appends one family's face name to every box; the enumeration's callback.
    void AddFamily(const char* faceName32);

protected:
    void Created() override { FormCreate(); }

private:
    OwnerDrawList* Box(int row) const;
};

}  // namespace zrk
