#include "platform/error_text.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

TEST(ApplicationTitle, FileNameCutAtFirstFullStopWithSmallLetters) {
    struct Case {
        const char* exePath;
        const char* title;
    } cases[] = {
        {"C:\\Games\\ZRK\\zrklauncher.exe", "Zrklauncher"},
        {"C:\\Games\\ZRK\\ZRKLAUNCHER.EXE", "Zrklauncher"},
        {"D:\\a.b\\Zrk.Launcher.v2.exe", "Zrk"},
        {"launcher", "Launcher"},
        {"C:\\x\\.hidden.exe", ""},
        {"Z:/tmp/build/MyGame.exe", "Mygame"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplicationTitle(c.exePath), c.title) << c.exePath;
}

TEST(ErrorBoxText, FullStopAddedOnlyAfterCharactersThatSortAfterIt) {
    struct Case {
        const char* text;
        const char* shown;
    } cases[] = {
        {"Failed to set data for 'CTRLFLAG6'", "Failed to set data for 'CTRLFLAG6'"},
        {"Unable to insert a line", "Unable to insert a line."},
        {"Cannot create file \"C:\\g\\server.lst\". Access denied.",
         "Cannot create file \"C:\\g\\server.lst\". Access denied."},
        {"Disk full!", "Disk full!"},
        {"Error 5", "Error 5."},
        {"path/", "path/."},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorBoxText(c.text), c.shown) << c.text;
}

}  // namespace
}  // namespace zrk
