#pragma once
// TForm2, the settings panel: nine track bars, the windowed check box, the
// server box and the buttons that choose fonts and save.

#include "platform/win/form.h"
#include "platform/win/graphic_controls.h"
#include "platform/win/windowed_controls.h"
#include "ui/panel_sequences.h"

namespace zrk {

class TForm5;

// The server box's combo box as the server history sees it.
class ServerComboBox : public ServerBox {
public:
    explicit ServerComboBox(EditComboBox*& box) : box_(box) {}
    std::string Text() const override { return box_->Text(); }
    void SetText(const std::string& text) override { box_->SetText(text); }
    int Count() const override { return box_->Entries().Count(); }
    std::string Entry(int index) const override { return box_->Entries().Entry(index); }
    void Clear() override;
    void Insert(int index, const std::string& entry) override { box_->Entries().Insert(index, entry); }
    void Remove(int index) override { box_->Entries().Remove(index); }
    void Select(int index) override { box_->Select(index); }

private:
    EditComboBox*& box_;
};

class TForm2 : public Form, public PanelView {
public:
    TForm2(TForm5* fontDialog, PanelServices services);

    Picture* Image1;
    Label* Label1;
    Label* Label2;
    Label* Label3;
    Label* Label4;
    Label* Label5;
    Label* Label6;
    TrackBar* TrackBar1;
    TrackBar* TrackBar2;
    TrackBar* TrackBar3;
    TrackBar* TrackBar4;
    TrackBar* TrackBar5;
    Label* Label7;
    Label* Label8;
    Label* Label9;
    Label* Label10;
    TrackBar* TrackBar6;
    TrackBar* TrackBar7;
    TrackBar* TrackBar8;
    Label* Label11;
    TrackBar* TrackBar9;
    SpeedButton* SpeedButton1;
    CheckBox* CheckBox1;
    Label* Label13;
    Label* Label14;
    Label* Label15;
    Label* Label16;
    Label* Label17;
    Label* Label18;
    Label* Label19;
    Label* Label20;
    Label* Label21;
    Label* Label22;
    Label* Label23;
    Label* Label24;
    Label* Label25;
    Label* Label26;
    Label* Label27;
    Label* Label28;
    Label* Label29;
    Label* Label30;
    SpeedButton* SpeedButton2;
    Label* Label31;
    EditComboBox* ComboBox1;

    void SpeedButton1Click(SpeedButton* sender);  // save
    void SpeedButton2Click(SpeedButton* sender);  // choose font

    // The sequences the main window and the launches start.
    void RunOptions() { RunOptionsSequence(*this, services_); }
    void RunFirstRun() { RunFirstRunShowing(*this, services_); }

    // PanelView
    ServerBox& Servers() override { return servers_; }
    FontChoices& Fonts() override;
    PanelSettings Settings() const override;
    void ShowSettings(const PanelSettings& settings) override;
    void ShowModal() override { Form::ShowModal(); }
    void Close() override { Form::Close(kModalOk); }
    void ShowError(const std::string& message) override;

private:
    TrackBar* Bar(int index) const;

    Font boldFont_;
    TForm5* fontDialog_;
    PanelServices services_;
    ServerComboBox servers_{ComboBox1};
};

}  // namespace zrk
