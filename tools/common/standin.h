#pragma once
// Shared by the stand-ins for the programs the launcher starts: each writes
// a record of how it was started (for the tests) and then shows the same
// facts in a plain window (for a person looking at the screen).

#include <string>
#include <vector>

namespace zrk {

std::string CurrentDirectory();

// Set by the tests: write the record, then end without showing a window.
bool ExitAfterRecord();

void AppendToFile(const std::string& name, const std::string& text);

// Writes name.tmp and renames it over name, so that a reader sees either the
// old file or the whole new one.
void ReplaceFileAtomically(const std::string& name, const std::string& text);

// Text from the system's ANSI code page.
std::wstring Widen(const std::string& text);

struct TextLine {
    std::wstring text;
    bool heading = false;
};

struct WindowPlace {
    int x;
    int y;
    int width;
    int height;
};

// x and width may be CW_USEDEFAULT.
WindowPlace DefaultWindowPlace(int width, int height);

// Shows a window of light monospace lines on a dark ground until the user
// closes it; gives the exit code.
int RunTextWindow(const std::wstring& title, const WindowPlace& place,
                  const std::vector<TextLine>& lines);

}  // namespace zrk
