#include "app/launcher_windows.h"

namespace zrk {

LauncherWindows::LauncherWindows() {
    form1.Create();
    form2.Create();
    form4.Create();
    form5.Create();
    form1.SetSettingsPanel(&form2);
}

}  // namespace zrk
