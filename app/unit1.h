#pragma once
// TForm1, the main window: a borderless panel filled by the backdrop, with
// six flat buttons stacked in its middle.

#include "platform/win/form.h"
#include "platform/win/graphic_controls.h"

namespace zrk {

class TForm2;
class Registry;
class Files;

extern const char kWebsiteUrl[];

class TForm1 : public Form {
public:
    TForm1(Registry& registry, Files& files);
    void SetSettingsPanel(TForm2* panel) { panel_ = panel; }

    Picture* Image1;
    SpeedButton* SpeedButton1;
    SpeedButton* SpeedButton3;
    SpeedButton* SpeedButton5;
    SpeedButton* SpeedButton7;
    SpeedButton* SpeedButton8;
    Label* Label1;
    Label* Label2;
    Label* Label3;
    Label* Label4;
    Label* Label5;
    SpeedButton* SpeedButton2;

    void SpeedButton1Click(SpeedButton* sender);  // online game
    void SpeedButton2Click(SpeedButton* sender);  // offline game
    void SpeedButton3Click(SpeedButton* sender);  // texture editor
    void SpeedButton5Click(SpeedButton* sender);  // options
    void SpeedButton7Click(SpeedButton* sender);  // official website
    void SpeedButton8Click(SpeedButton* sender);  // exit

private:
    SpeedButton* AddButton(int top, const wchar_t* caption, void (TForm1::*handler)(SpeedButton*));
    void Launch(bool online);

    Font buttonFont_;
    Font titleNavy_;
    Font titleBlue_;
    Font lineFont_;
    TForm2* panel_ = nullptr;
    Registry& registry_;
    Files& files_;
};

}  // namespace zrk
