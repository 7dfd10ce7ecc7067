#include "launch/launch_sequence.h"

#include "config/flag_codec.h"
#include "config/settings_store.h"
#include "launch/patch_plan.h"

namespace zrk {

const char kClientTitle[] = "Zarkenfall Online: Vesperine";

namespace {

struct LaunchKind {
    const char* executable;
    const char* commandLine;
};

LaunchKind KindOf(LaunchMode mode) {
    return mode == LaunchMode::Online ? LaunchKind{"zrk.exe", "zrk.exe -online"}
                                      : LaunchKind{"zrkr.exe", "zrkr.exe -offline"};
}

// What the registry phase hands on to the start of the client.
struct ModeState {
    int32_t modeWord = 0;
    std::string hostString;
};

// Reads CTRLFLAG1, CTRLFLAG6 and (online, custom server) SERVER, and writes
// CTRLFLAG1 back with only the online-mode bits changed. Any failure ends the
// phase silently with what it has so far.
void RunRegistryPhase(bool online, const LaunchServices& services, ModeState* state) {
    SettingsStore store(services.registry);
    try {
        if (!store.KeyExists(kConfigKeyPath)) {
            store.CreateKey(kConfigKeyPath);
            services.firstRunShowing();
        }
        if (!store.OpenKey(kConfigKeyPath, true))
            return;
        int32_t flagWord1 = store.ReadInteger("CTRLFLAG1");
        try {
            state->modeWord = store.ReadInteger("CTRLFLAG6");
        } catch (const RegistryFailure&) {
            state->modeWord = 0;
        }
        if (online && HasCustomServerBit(state->modeWord)) {
            try {
                state->hostString = CustomHostString(store.ReadString("SERVER"));
            } catch (const RegistryFailure&) {
            }
        }
        store.WriteInteger("CTRLFLAG1", AdjustLaunchFlag(flagWord1, online));
        store.CloseKey();
    } catch (const Failure&) {
    }
}

void StartClient(bool online, const LaunchKind& kind, const ModeState& state,
                 const LaunchServices& services) {
    ClientStart start{kind.commandLine, services.launcherDirectory, kClientTitle,
                      ClientWindowRect(services.desktopWidth, services.desktopHeight)};
    std::string reason;
    if (!services.client.Create(start, &reason)) {
        // Nothing to write into: say why instead of ending without a word.
        services.showError("Cannot start \"" + start.commandLine + "\". " + reason);
        return;
    }
    services.client.Open();
    bool windowed = HasWindowedModeBit(state.modeWord);
    for (const MemoryWrite& write : PlanClientWrites(windowed, online, state.hostString))
        services.client.Write(write.address, write.bytes);
    services.client.Resume();
}

}  // namespace

void RunLaunchSequence(LaunchMode mode, const LaunchServices& services) {
    bool online = mode == LaunchMode::Online;
    LaunchKind kind = KindOf(mode);
    ModeState state;
    if (online)
        state.hostString = DefaultHostString();
    RunRegistryPhase(online, services, &state);

    if (!services.files.FileExists(kind.executable)) {
        services.showError(std::string("File ") + kind.executable + " cannot be found.");
        return;
    }
    StartClient(online, kind, state, services);
    services.terminate();
}

}  // namespace zrk
