#pragma once
// The online and offline launches: mark the client's mode in the
// configuration key (showing the settings panel first on a first launch),
// test for the client executable, start it in a centred 4:3 window, write
// the patches and the host name into it, and end the launcher.

#include <cstdint>
#include <functional>
#include <string>

#include "launch/geometry.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace zrk {

extern const char kClientTitle[];  // "Zarkenfall Online: Vesperine"

struct ClientStart {
    std::string commandLine;
    std::string directory;  // the launcher directory, the client's working directory
    std::string title;
    WindowRect window;
};

// The game client's process. It is held before its first instruction until
// Resume(), so it never runs unpatched.
class ClientProcess {
public:
    virtual ~ClientProcess() = default;
    // False, with the system's reason, when the process cannot be created.
    virtual bool Create(const ClientStart& start, std::string* reason) = 0;
    // Opens the new process by its id for full access (0x1F0FFF).
    virtual void Open() = 0;
    // One memory write; its result is not looked at.
    virtual void Write(uint32_t address, const std::string& bytes) = 0;
    virtual void Resume() = 0;
};

struct LaunchServices {
    Registry& registry;
    Files& files;
    ClientProcess& client;
    std::function<void()> firstRunShowing;  // shows the settings panel; may throw Failure
    std::function<void(const std::string&)> showError;
    std::function<void()> terminate;
    std::string launcherDirectory;
    int32_t desktopWidth;
    int32_t desktopHeight;
};

enum class LaunchMode { Online, Offline };

void RunLaunchSequence(LaunchMode mode, const LaunchServices& services);

}  // namespace zrk
