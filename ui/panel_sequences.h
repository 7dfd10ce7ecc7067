#pragma once
// The settings panel's three sequences as plain code: the options sequence
// fills the panel from server.lst and the configuration key and shows it,
// the first-run showing fills only the server list, and the save sequence
// writes every setting and closes the panel.

#include <string>

#include "config/flag_codec.h"
#include "config/font_settings.h"
#include "config/server_history.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace zrk {

// What the sequences need of the settings panel's window.
class PanelView {
public:
    virtual ~PanelView() = default;
    virtual ServerBox& Servers() = 0;
    virtual FontChoices& Fonts() = 0;
    // The nine track bar positions and the windowed check box.
    virtual PanelSettings Settings() const = 0;
    virtual void ShowSettings(const PanelSettings& settings) = 0;
    virtual void ShowModal() = 0;
    virtual void Close() = 0;
    virtual void ShowError(const std::string& message) = 0;
};

struct PanelServices {
    Registry& registry;
    Files& files;
};

// A failure of load server list escapes: the panel is then not shown.
void RunOptionsSequence(PanelView& panel, PanelServices services);
void RunFirstRunShowing(PanelView& panel, PanelServices services);
// A failure of record server choice or of a write escapes, the panel stays
// open. When the key cannot be opened nothing is written, the player is told,
// and the panel closes.
void RunSaveSequence(PanelView& panel, PanelServices services);

}  // namespace zrk
