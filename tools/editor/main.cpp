// Stand-in for the texture editor: it records how the launcher started it
// and says so in a small window.

#include <windows.h>

#include <string>
#include <vector>

#include "tools/common/standin.h"

namespace zrk {
namespace {

int RunEditorStandin() {
    const std::string directory = CurrentDirectory();
    const std::string commandLine = GetCommandLineA();
    AppendToFile("raz_record.txt", "cwd=" + directory + "\ncmdline=" + commandLine + "\n");
    if (ExitAfterRecord()) return 0;
    const std::vector<TextLine> lines = {
        {L"Zarkenfall texture editor (stand-in)", true},
        {L"This program stands in for the texture editor.", false},
        {L"", false},
        {L"Working directory: " + Widen(directory), false},
        {L"Command line:      " + Widen(commandLine), false},
    };
    return RunTextWindow(L"Zarkenfall 贴图编辑器 (stand-in)", DefaultWindowPlace(720, 190), lines);
}

}  // namespace
}  // namespace zrk

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return zrk::RunEditorStandin(); }
