// Program start: the application, every window once, then the message loop.
// The windows are destroyed when the loop ends and the program exits with 0.

#include <windows.h>

#include "app/launcher_windows.h"
#include "platform/win/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    zrk::InitApplication();
    zrk::LauncherWindows windows;
    return zrk::RunApplication();
}
