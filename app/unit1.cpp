#include "app/unit1.h"

#include "app/resource_ids.h"
#include "platform/win/application.h"
#include "launch/launch_sequence.h"
#include "launch/win/client_process_win32.h"
#include "platform/win/gui_metrics.h"
#include "platform/win/message_boxes.h"
#include "platform/win/shell_win32.h"
#include "ui/win/unit2.h"

namespace zrk {

const char kWebsiteUrl[] = "https://www.example.org/zarkenfall/";

namespace {
const int kButtonLeft = 22;
const int kButtonWidth = 180;
const int kButtonHeight = 22;
const COLORREF kCream = RGB(255, 251, 240);
}  // namespace

TForm1::TForm1(Registry& registry, Files& files)
    : Form(L"Zarkenfall 在线", 223, 351),
      buttonFont_({L"Courier New", -16, true, kCream}),
      titleNavy_({L"Arial", -24, true, RGB(0, 0, 128)}),
      titleBlue_({L"Arial", -24, true, RGB(128, 192, 255)}),
      lineFont_({L"MS Sans Serif", -11, false, RGB(128, 192, 255)}),
      registry_(registry),
      files_(files) {
    Image1 = Add<Picture>(Bounds{0, 0, 223, 351}, IDB_BACKDROP);
    SpeedButton1 = AddButton(124, L"在线游戏", &TForm1::SpeedButton1Click);
    SpeedButton3 = AddButton(172, L"贴图编辑器", &TForm1::SpeedButton3Click);
    SpeedButton5 = AddButton(196, L"选项", &TForm1::SpeedButton5Click);
    SpeedButton7 = AddButton(222, L"官方网站", &TForm1::SpeedButton7Click);
    SpeedButton8 = AddButton(248, L"退出", &TForm1::SpeedButton8Click);
    // The title lettering of an earlier design: created, never shown.
    Label1 = Add<Label>(Bounds{8, 6, 130, 24}, L"Zarkenfall", &titleNavy_, false);
    Label2 = Add<Label>(Bounds{10, 8, 130, 24}, L"Zarkenfall", &titleBlue_, false);
    Label3 = Add<Label>(Bounds{8, 32, 50, 24}, L"在线", &titleNavy_, false);
    Label4 = Add<Label>(Bounds{10, 34, 50, 24}, L"在线", &titleBlue_, false);
    Label5 = Add<Label>(Bounds{8, 60, 120, 13}, L"ZRK:重制 启动器", &lineFont_, false);
    SpeedButton2 = AddButton(148, L"离线游戏", &TForm1::SpeedButton2Click);
}

SpeedButton* TForm1::AddButton(int top, const wchar_t* caption,
                               void (TForm1::*handler)(SpeedButton*)) {
    SpeedButton* button =
        Add<SpeedButton>(Bounds{kButtonLeft, top, kButtonWidth, kButtonHeight}, caption, &buttonFont_);
    button->onClick = [this, handler, button] { (this->*handler)(button); };
    return button;
}

void TForm1::SpeedButton1Click(SpeedButton*) { Launch(true); }

void TForm1::SpeedButton2Click(SpeedButton*) { Launch(false); }

void TForm1::Launch(bool online) {
    Win32ClientProcess client;
    SIZE desktop = DesktopSize();
    LaunchServices services{registry_,
                            files_,
                            client,
                            [this] { panel_->RunFirstRun(); },
                            [](const std::string& message) { ShowErrorMessage(message); },
                            [] { Terminate(); },
                            LauncherDirectory(),
                            desktop.cx,
                            desktop.cy};
    RunLaunchSequence(online ? LaunchMode::Online : LaunchMode::Offline, services);
}

void TForm1::SpeedButton5Click(SpeedButton*) { panel_->RunOptions(); }

void TForm1::SpeedButton8Click(SpeedButton*) { Terminate(); }

void TForm1::SpeedButton7Click(SpeedButton*) {
    ShellOpen(kWebsiteUrl, LauncherDirectory());
    Terminate();
}

void TForm1::SpeedButton3Click(SpeedButton*) {
    if (!files_.FileExists("raz.exe")) {
        ShowErrorMessage("File raz.exe cannot be found.");
        return;
    }
    ShellOpen("raz.exe", LauncherDirectory());
    Terminate();
}

}  // namespace zrk
