// Online and offline launches end to end: the real launcher starts the
// stand-in client, which records what it received at its first instruction.

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "launch/geometry.h"
#include "launch/patch_plan.h"
#include "tests/support/win/config_key.h"
#include "tests/support/win/driver.h"

namespace zrk {
namespace {

using test::Hex;
using test::Program;
using test::TempDir;

const wchar_t kMainTitle[] = L"Zarkenfall 在线";

using Record = std::map<std::string, std::string>;

Record ParseRecord(const std::string& text) {
    Record record;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        size_t eq = line.find('=');
        if (eq != std::string::npos)
            record[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return record;
}

class Launch : public ::testing::Test {
protected:
    void SetUp() override {
        test::DeleteConfigKey();
        test::CopyInto(test::BuildPath("app/zrklauncher.exe"), game.Path(), "zrklauncher.exe");
        test::CopyInto(test::BuildPath("tools/client/zrk.exe"), game.Path(), "zrk.exe");
        test::CopyInto(test::BuildPath("tools/client/zrkr.exe"), game.Path(), "zrkr.exe");
        // The stand-in records and ends instead of showing its window.
        SetEnvironmentVariableA("ZRK_STANDIN_EXIT", "1");
    }
    void TearDown() override { SetEnvironmentVariableA("ZRK_STANDIN_EXIT", nullptr); }

    std::unique_ptr<Program> Start(const std::string& workingDir) {
        auto launcher = std::make_unique<Program>(game.File("zrklauncher.exe"), workingDir);
        main = launcher->WaitForWindow(kMainTitle);
        EXPECT_NE(main, nullptr);
        return launcher;
    }
    void Click(bool online) { test::ClickCentre(main, 22, online ? 124 : 148, 180, 22); }

    // Clicks a launch button and returns the stand-in's record.
    Record LaunchAndRecord(bool online) {
        DeleteFileA(game.File("zrk_record.txt").c_str());
        auto launcher = Start(game.Path());
        Click(online);
        DWORD code = 1;
        EXPECT_TRUE(launcher->WaitForExit(15000, &code));
        EXPECT_EQ(code, 0u);
        return WaitForRecord();
    }

    Record WaitForRecord() {
        std::string path = game.File("zrk_record.txt");
        Record record;
        for (int i = 0; i < 500 && record["end"] != "1"; ++i) {
            Sleep(20);
            record = ParseRecord(test::ReadFileBytes(path));
        }
        EXPECT_EQ(record["end"], "1") << "no record from the stand-in client";
        return record;
    }

    TempDir game;
    HWND main = nullptr;
};

struct Case {
    bool online;
    bool windowed;
    bool customServer;
};

TEST_F(Launch, EachModeHandsTheClientItsCommandLineWindowPatchesAndHost) {
    const Case cases[] = {{true, false, false}, {true, true, false}, {true, true, true},
                          {true, false, true},  {false, false, false}, {false, true, true}};
    WindowRect expected = ClientWindowRect(GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                           GetSystemMetrics(SM_CYVIRTUALSCREEN));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.online ? "online" : "offline") + (c.windowed ? " windowed" : "") +
                     (c.customServer ? " custom" : ""));
        test::SetConfigDword("CTRLFLAG1", 0x100);
        test::SetConfigDword("CTRLFLAG6", (c.windowed ? 1 : 0) | (c.customServer ? 2 : 0));
        test::SetConfigString("SERVER", "abc");
        Record r = LaunchAndRecord(c.online);

        EXPECT_EQ(r["exe"], c.online ? "zrk.exe" : "zrkr.exe");
        EXPECT_EQ(r["cmdline"], c.online ? "zrk.exe -online" : "zrkr.exe -offline");
        EXPECT_EQ(r["cwd"], game.Path()) << "the launcher directory";
        EXPECT_EQ(r["title"], "Zarkenfall Online: Vesperine");
        EXPECT_EQ(r["x"], std::to_string(expected.x));
        EXPECT_EQ(r["y"], std::to_string(expected.y));
        EXPECT_EQ(r["width"], std::to_string(expected.width));
        EXPECT_EQ(r["height"], std::to_string(expected.height));
        EXPECT_EQ(r["flags"], "6");
        EXPECT_EQ(r["patches_at_entry"], c.windowed ? "all" : "none");
        for (int i = 0; i < 12; ++i) {
            const PatchEntry& p = kWindowedPatchTable[i];
            std::string bytes(reinterpret_cast<const char*>(kPatchSource) + p.sourceOffset, p.length);
            EXPECT_EQ(r["patch" + std::to_string(i + 1)], c.windowed ? Hex(bytes) : Hex(std::string(p.length, '\0')));
        }
        std::string host = !c.online ? std::string(1, '\0')
                           : c.customServer ? std::string("abc") + '\0'
                                            : std::string(kDefaultGameHost) + '\0';
        EXPECT_EQ(r["host"], Hex(host));
        EXPECT_EQ(r["CTRLFLAG1"], c.online ? "276" : "256") << "written before the client starts";
    }
}

TEST_F(Launch, FirstLaunchShowsThePanelThenGoesOnWithTheSavedValues) {
    auto launcher = Start(game.Path());
    Click(true);
    HWND panel = launcher->WaitForWindow(L"设置面板");
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(test::ConfigKeyExists());
    EXPECT_FALSE(test::ConfigDword("CTRLFLAG1").has_value());
    HWND check = FindWindowExW(panel, nullptr, L"Button", nullptr);
    SendMessageW(check, BM_CLICK, 0, 0);
    test::ClickCentre(panel, 338, 368, 133, 22);  // 保存
    DWORD code = 1;
    ASSERT_TRUE(launcher->WaitForExit(15000, &code));
    EXPECT_EQ(code, 0u);
    Record r = WaitForRecord();
    EXPECT_EQ(r["patches_at_entry"], "all");
    EXPECT_EQ(r["host"], Hex(std::string(kDefaultGameHost) + '\0'));
    EXPECT_EQ(r["CTRLFLAG0"], std::to_string(static_cast<int32_t>(0x77F40002)));
    EXPECT_EQ(r["CTRLFLAG6"], "1");
}

TEST_F(Launch, MissingClientShowsItsMessageKeepsRunningAndHasMarkedTheMode) {
    DeleteFileA(game.File("zrk.exe").c_str());
    test::SetConfigDword("CTRLFLAG1", 0x100);
    auto launcher = Start(game.Path());
    Click(true);
    HWND box = launcher->WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(test::WindowText(box), L"Error");
    EXPECT_EQ(test::MessageBoxText(box), L"File zrk.exe cannot be found.");
    EXPECT_EQ(test::MessageBoxButton(box), L"完成");
    test::PressMessageBoxButton(box);
    ASSERT_TRUE(launcher->WaitForWindowGone(box));
    EXPECT_TRUE(launcher->Running());
    EXPECT_EQ(test::ConfigDword("CTRLFLAG1"), 0x114u);
}

TEST_F(Launch, ClientBesideTheLauncherIsNotFoundFromAnotherWorkingDirectory) {
    test::SetConfigDword("CTRLFLAG1", 0);
    TempDir elsewhere;
    auto launcher = Start(elsewhere.Path());
    Click(false);
    HWND box = launcher->WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(test::MessageBoxText(box), L"File zrkr.exe cannot be found.");
    test::PressMessageBoxButton(box);
    ASSERT_TRUE(launcher->WaitForWindowGone(box));
    EXPECT_TRUE(launcher->Running());
}

TEST_F(Launch, TwentyLaunchesInARowAllFindThePatchesInPlaceAtTheFirstInstruction) {
    test::SetConfigDword("CTRLFLAG1", 0);
    test::SetConfigDword("CTRLFLAG6", 1);
    for (int i = 0; i < 20; ++i) {
        Record r = LaunchAndRecord(i % 2 == 0);
        ASSERT_EQ(r["patches_at_entry"], "all") << "launch " << i + 1;
    }
}

}  // namespace
}  // namespace zrk
