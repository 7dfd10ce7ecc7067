#include "ui/win/unit2.h"

#include "app/resource_ids.h"
#include "platform/win/message_boxes.h"
#include "ui/win/unit5.h"

namespace zrk {
namespace {
const int kTrackBarLeft = 232;
const int kTrackBarWidth = 110;
}  // namespace

void ServerComboBox::Clear() {
    box_->Entries().Clear();
    box_->SetText("");
}

TForm2::TForm2(TForm5* fontDialog, PanelServices services)
    : Form(L"设置面板", 518, 402),
      boldFont_({L"MS Sans Serif", -11, true}),
      fontDialog_(fontDialog),
      services_(services) {
    Font* font = &DefaultFont();
    auto bar = [&](int top, int height, int maximum) {
        return Add<TrackBar>(Bounds{kTrackBarLeft, top, kTrackBarWidth, height}, maximum, font);
    };
    auto label = [&](int left, int top, const wchar_t* caption, Font* f) {
        return Add<Label>(Bounds{left, top, 0, 13}, caption, f);
    };
    Image1 = Add<Picture>(Bounds{0, 0, 518, 402}, IDB_PANEL);
    Label1 = label(20, 28, L"图形 :", &boldFont_);
    Label2 = label(34, 48, L"3D 模型质量 :", font);
    Label3 = label(36, 68, L"贴图质量 :", font);
    Label4 = label(36, 90, L"裁剪 : ", font);
    Label5 = label(36, 110, L"特殊图形效果   :", font);
    Label6 = label(36, 132, L"帧率 :", font);
    TrackBar1 = bar(46, 17, 2);
    TrackBar2 = bar(66, 17, 2);
    TrackBar3 = bar(86, 19, 2);
    TrackBar4 = bar(108, 19, 2);
    TrackBar5 = bar(130, 19, 2);
    Label7 = label(22, 192, L"声音 :", &boldFont_);
    Label8 = label(42, 212, L"背景音乐 :", font);
    Label9 = label(42, 232, L"音乐效果 :", font);
    Label10 = label(42, 252, L"音乐质量 :", font);
    TrackBar6 = bar(208, 19, 1);
    TrackBar7 = bar(230, 19, 1);
    TrackBar8 = bar(252, 19, 1);
    Label11 = label(42, 274, L"3D 音效 :", font);
    TrackBar9 = bar(274, 19, 2);
    SpeedButton1 = Add<SpeedButton>(Bounds{338, 368, 133, 22}, L"保存", &boldFont_);
    CheckBox1 = Add<CheckBox>(Bounds{74, 158, 119, 17}, L"窗口模式", font);
    Label13 = label(210, 48, L"低", font);
    Label14 = label(210, 68, L"低", font);
    Label15 = label(210, 88, L"低", font);
    Label16 = label(210, 110, L"低", font);
    Label17 = label(210, 132, L"低", font);
    Label18 = label(210, 276, L"低", font);
    Label19 = label(345, 48, L"高", font);
    Label20 = label(345, 68, L"高", font);
    Label21 = label(345, 88, L"高", font);
    Label22 = label(345, 110, L"高", font);
    Label23 = label(345, 132, L"高", font);
    Label24 = label(345, 276, L"高", font);
    Label25 = label(210, 254, L"低", font);
    Label26 = label(345, 254, L"高", font);
    Label27 = label(210, 234, L"关", font);
    Label28 = label(210, 212, L"关", font);
    Label29 = label(346, 234, L"开", font);
    Label30 = label(346, 212, L"开", font);
    SpeedButton2 = Add<SpeedButton>(Bounds{190, 368, 133, 22}, L"选择字体", font);
    Label31 = label(22, 310, L"服务器 :", &boldFont_);
    ComboBox1 = Add<EditComboBox>(Bounds{78, 312, 145, 21}, L"未选择服务器", font);
    SpeedButton1->onClick = [this] { SpeedButton1Click(SpeedButton1); };
    SpeedButton2->onClick = [this] { SpeedButton2Click(SpeedButton2); };
}

TrackBar* TForm2::Bar(int index) const {
    TrackBar* bars[] = {TrackBar1, TrackBar2, TrackBar3, TrackBar4, TrackBar5,
                        TrackBar6, TrackBar7, TrackBar8, TrackBar9};
    return bars[index];
}

void TForm2::SpeedButton1Click(SpeedButton*) { RunSaveSequence(*this, services_); }

void TForm2::SpeedButton2Click(SpeedButton*) { fontDialog_->ShowModal(); }

FontChoices& TForm2::Fonts() { return *fontDialog_; }

PanelSettings TForm2::Settings() const {
    PanelSettings settings;
    for (int i = 0; i < kTrackBarCount; ++i)
        settings.position[i] = Bar(i)->Position();
    settings.windowed = CheckBox1->Checked();
    return settings;
}

void TForm2::ShowSettings(const PanelSettings& settings) {
    for (int i = 0; i < kTrackBarCount; ++i)
        Bar(i)->SetPosition(settings.position[i]);
    CheckBox1->SetChecked(settings.windowed);
}

void TForm2::ShowError(const std::string& message) { ShowErrorMessage(message); }

}  // namespace zrk
