#pragma once
// The settings panel without a window: the controls' state, what was shown,
// and how the panel was closed.

#include <string>
#include <vector>

#include "tests/support/memory_server_box.h"
#include "ui/panel_sequences.h"

namespace zrk {

// Five boxes over one font list, as in the font settings dialog.
class FakeFontChoices : public FontChoices {
public:
    explicit FakeFontChoices(std::vector<std::string> fonts) : fonts_(std::move(fonts)) {}
    int Find(const std::string& text) const override;
    void Select(int row, int index) override { chosen_[row] = index; }
    std::string ChosenName(int row) const override;
    int Chosen(int row) const { return chosen_[row]; }

private:
    std::vector<std::string> fonts_;
    int chosen_[5] = {-1, -1, -1, -1, -1};
};

class FakePanel : public PanelView {
public:
    explicit FakePanel(std::vector<std::string> fonts = {"Arial", "SimSun", "@SimSun", "MS Gothic"})
        : fonts(std::move(fonts)) {}
    ServerBox& Servers() override { return servers; }
    FontChoices& Fonts() override { return fonts; }
    PanelSettings Settings() const override { return settings; }
    void ShowSettings(const PanelSettings& shown) override { settings = shown; }
    void ShowModal() override { ++showings; }
    void Close() override { closed = true; }
    void ShowError(const std::string& message) override { errors.push_back(message); }

    MemoryServerBox servers;
    FakeFontChoices fonts;
    PanelSettings settings;  // all track bars at 0, box clear: a new run
    int showings = 0;
    bool closed = false;
    std::vector<std::string> errors;
};

}  // namespace zrk
