// Stand-in for the game client (zrk.exe online, zrkr.exe offline): it
// records what the launcher handed over (command line, working directory,
// start-up window, the memory writes, the configuration key) and shows the
// same facts in its window, placed where the launcher asked.

#include <windows.h>

#include "tools/client/client_facts.h"
#include "tools/common/standin.h"

namespace zrk {
namespace {

const char kDefaultTitle[] = "Zarkenfall Online: Vesperine";

WindowPlace PlaceFromStartup(const StartupWindow& window) {
    WindowPlace place = DefaultWindowPlace(960, 600);
    if (window.flags & STARTF_USEPOSITION) {
        place.x = window.x;
        place.y = window.y;
    }
    if (window.flags & STARTF_USESIZE) {
        place.width = window.width;
        place.height = window.height;
    }
    return place;
}

int RunClientStandin() {
    const ClientFacts facts = GatherClientFacts();
    ReplaceFileAtomically("zrk_record.txt", FormatRecord(facts));
    if (ExitAfterRecord()) return 0;
    const std::string title = facts.window.title.empty() ? kDefaultTitle : facts.window.title;
    return RunTextWindow(Widen(title), PlaceFromStartup(facts.window), DescribeFacts(facts));
}

}  // namespace
}  // namespace zrk

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return zrk::RunClientStandin(); }
