#include "ui/panel_sequences.h"

#include "config/settings_store.h"

namespace zrk {

namespace {

// Reads the flag words, the font choices and SERVER. A registry failure ends
// the reading silently: the words not read yet stay 0.
FlagWords ReadConfiguration(SettingsStore& store, PanelView& panel) {
    FlagWords words;
    try {
        if (!store.OpenKey(kConfigKeyPath, true))
            return words;
        words.ctrlFlag0 = store.ReadInteger("CTRLFLAG0");
        words.ctrlFlag1 = store.ReadInteger("CTRLFLAG1");
        LoadFontChoices(store, panel.Fonts());
        try {
            words.ctrlFlag6 = store.ReadInteger("CTRLFLAG6");
        } catch (const RegistryFailure&) {
            words.ctrlFlag6 = 0;
        }
        if (HasCustomServerBit(words.ctrlFlag6)) {
            try {
                panel.Servers().SetText(store.ReadString("SERVER"));
            } catch (const RegistryFailure&) {
            }
        }
        store.CloseKey();
    } catch (const RegistryFailure&) {
    }
    return words;
}

void WriteConfiguration(SettingsStore& store, const FlagWords& words, const std::string& server,
                        const FontChoices& fonts) {
    store.WriteInteger("CTRLFLAG0", words.ctrlFlag0);
    store.WriteInteger("CTRLFLAG1", words.ctrlFlag1);
    store.WriteInteger("CTRLFLAG6", words.ctrlFlag6);
    store.WriteString("SERVER", server);
    SeedValues(store);
    SaveFontChoices(store, fonts);
    store.CloseKey();
}

}  // namespace

void RunOptionsSequence(PanelView& panel, PanelServices services) {
    LoadServerList(panel.Servers(), services.files);
    FlagWords words;
    {
        SettingsStore store(services.registry);
        words = ReadConfiguration(store, panel);
    }
    PanelSettings decoded = DecodeFlagWords(words);
    panel.ShowSettings(decoded);
    panel.ShowModal();
}

void RunFirstRunShowing(PanelView& panel, PanelServices services) {
    LoadServerList(panel.Servers(), services.files);
    panel.ShowModal();
}

void RunSaveSequence(PanelView& panel, PanelServices services) {
    std::string server = panel.Servers().Text();
    PanelSettings settings = panel.Settings();
    settings.customServer = RecordServerChoice(panel.Servers(), services.files);
    FlagWords words = EncodePanelSettings(settings);
    bool opened;
    {
        SettingsStore store(services.registry);
        opened = store.OpenKey(kConfigKeyPath, true);
        if (opened)
            WriteConfiguration(store, words, server, panel.Fonts());
    }
    // Losing the player's settings without a word would be worse than the
    // extra message; the panel still closes so a first launch goes on.
    if (!opened)
        panel.ShowError(std::string("Failed to open key ") + kConfigKeyPath);
    panel.Close();
}

}  // namespace zrk
