#pragma once
// Every window of the launcher, created once at start in this order and
// alive until the program ends. The first, TForm1, is the main window.

#include "app/unit1.h"
#include "app/unit4.h"
#include "platform/win/files_win32.h"
#include "platform/win/registry_win32.h"
#include "ui/win/unit2.h"
#include "ui/win/unit5.h"

namespace zrk {

class LauncherWindows {
public:
    LauncherWindows();

    Win32Registry registry;
    Win32Files files;
    TForm1 form1{registry, files};
    TForm2 form2{&form5, PanelServices{registry, files}};
    TForm4 form4;
    TForm5 form5;
};

}  // namespace zrk
