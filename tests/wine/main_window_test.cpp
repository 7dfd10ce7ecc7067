// The main window and program start, in process and as a player sees them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/launcher_windows.h"
#include "platform/win/application.h"
#include "tests/support/win/driver.h"

namespace zrk {
namespace {

using test::Program;
using test::TempDir;

const wchar_t kMainTitle[] = L"Zarkenfall 在线";

std::vector<std::wstring>* g_created = nullptr;

LRESULT CALLBACK RecordTopLevelCreation(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND && g_created) {
        auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lp);
        const wchar_t* cls = create->lpcs->lpszClass;
        bool form = !IS_INTRESOURCE(cls) && std::wstring(cls) == L"ZrkForm";
        if (form && !(create->lpcs->style & WS_CHILD))
            g_created->push_back(create->lpcs->lpszName ? create->lpcs->lpszName : L"");
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST(StartUp, CreatesEveryWindowOnceInOrderAllHidden) {
    InitApplication();
    std::vector<std::wstring> created;
    g_created = &created;
    HHOOK hook = SetWindowsHookExW(WH_CBT, RecordTopLevelCreation, nullptr, GetCurrentThreadId());
    LauncherWindows windows;
    UnhookWindowsHookEx(hook);
    g_created = nullptr;

    EXPECT_EQ(created, (std::vector<std::wstring>{kMainTitle, L"设置面板", L"补丁与更新", L"字体设置"}));
    EXPECT_EQ(MainForm(), &windows.form1);
    for (Form* form : {static_cast<Form*>(&windows.form1), static_cast<Form*>(&windows.form2),
                       static_cast<Form*>(&windows.form4), static_cast<Form*>(&windows.form5)})
        EXPECT_FALSE(form->Visible());
    for (Form* form : {static_cast<Form*>(&windows.form2), static_cast<Form*>(&windows.form4),
                       static_cast<Form*>(&windows.form5)})
        EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), windows.form1.Handle());

    // Buttons: declaration order, place, size and caption.
    struct Button {
        SpeedButton* control;
        int top;
        const wchar_t* caption;
    };
    TForm1& f = windows.form1;
    for (const Button& b : {Button{f.SpeedButton1, 124, L"在线游戏"}, Button{f.SpeedButton2, 148, L"离线游戏"},
                            Button{f.SpeedButton3, 172, L"贴图编辑器"}, Button{f.SpeedButton5, 196, L"选项"},
                            Button{f.SpeedButton7, 222, L"官方网站"}, Button{f.SpeedButton8, 248, L"退出"}}) {
        EXPECT_EQ(b.control->Bounds96().left, 22);
        EXPECT_EQ(b.control->Bounds96().top, b.top);
        EXPECT_EQ(b.control->Bounds96().width, 180);
        EXPECT_EQ(b.control->Bounds96().height, 22);
        EXPECT_EQ(b.control->Caption(), b.caption);
    }

    // The hidden labels stay hidden, whatever is clicked where they lie.
    f.Show();
    for (int y = 4; y < 80; y += 8)
        SendMessageW(f.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, y)),
            SendMessageW(f.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, y));
    UpdateWindow(f.Handle());
    for (Label* label : {f.Label1, f.Label2, f.Label3, f.Label4, f.Label5})
        EXPECT_FALSE(label->Visible());
    f.Hide();
}

class Launcher : public ::testing::Test {
protected:
    void SetUp() override {
        test::CopyInto(test::BuildPath("app/zrklauncher.exe"), game.Path(), "zrklauncher.exe");
    }
    std::string LauncherExe() const { return game.File("zrklauncher.exe"); }

    // Clicks a main window button by its top edge, as a player would.
    static void ClickButton(HWND main, int top) { test::ClickCentre(main, 22, top, 180, 22); }

    // The error message box with the given text; the launcher keeps running
    // after "完成" closes it.
    static void ExpectErrorMessageThenDone(const Program& launcher, const std::wstring& text) {
        HWND box = launcher.WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(test::WindowText(box), L"Error");
        EXPECT_EQ(test::MessageBoxText(box), text);
        EXPECT_EQ(test::MessageBoxButton(box), L"完成");
        test::PressMessageBoxButton(box);
        EXPECT_TRUE(launcher.WaitForWindowGone(box));
        DWORD code = 0;
        EXPECT_FALSE(launcher.WaitForExit(300, &code)) << "the launcher ended";
    }

    static void ExitWithCodeZero(const Program& launcher, HWND main) { ClickToEnd(launcher, main, 248); }

    // A click on the button at top ends the launcher with exit code 0.
    static void ClickToEnd(const Program& launcher, HWND main, int top) {
        ClickButton(main, top);
        DWORD code = 1;
        ASSERT_TRUE(launcher.WaitForExit(10000, &code));
        EXPECT_EQ(code, 0u);
    }

    TempDir game;
};

TEST_F(Launcher, MainWindowIsBorderlessCentredAndAloneOnScreen) {
    Program launcher(LauncherExe(), game.Path());
    HWND main = launcher.WaitForWindow(kMainTitle);
    ASSERT_NE(main, nullptr);

    RECT client = test::ClientRectOnScreen(main);
    EXPECT_EQ(client.right - client.left, 223);
    EXPECT_EQ(client.bottom - client.top, 351);
    int desktopW = GetSystemMetrics(SM_CXVIRTUALSCREEN), desktopH = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    EXPECT_EQ(client.left, (desktopW - 223) / 2);
    EXPECT_EQ(client.top, (desktopH - 351) / 2);

    LONG style = GetWindowLongW(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_BORDER | WS_DLGFRAME));

    std::vector<std::wstring> hidden;
    for (const test::WindowInfo& w : launcher.TopLevelWindows()) {
        if (w.className == L"ZrkForm" && !w.visible)
            hidden.push_back(w.title);
    }
    std::sort(hidden.begin(), hidden.end());
    std::vector<std::wstring> expected{L"设置面板", L"补丁与更新", L"字体设置"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(hidden, expected);
    ExitWithCodeZero(launcher, main);
}

TEST_F(Launcher, ExitEndsWithCodeZeroWithoutTouchingTheConfigurationKey) {
    Program launcher(LauncherExe(), game.Path());
    HWND main = launcher.WaitForWindow(kMainTitle);
    ASSERT_NE(main, nullptr);
    ExitWithCodeZero(launcher, main);
    HKEY key;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Brelvik", 0, KEY_READ, &key), ERROR_SUCCESS);
}

TEST_F(Launcher, TextureEditorMissingOrAFolderShowsTheMessageAndKeepsRunning) {
    Program launcher(LauncherExe(), game.Path());
    HWND main = launcher.WaitForWindow(kMainTitle);
    ASSERT_NE(main, nullptr);
    ClickButton(main, 172);
    ExpectErrorMessageThenDone(launcher, L"File raz.exe cannot be found.");

    CreateDirectoryA(game.File("raz.exe").c_str(), nullptr);
    ClickButton(main, 172);
    ExpectErrorMessageThenDone(launcher, L"File raz.exe cannot be found.");
    ExitWithCodeZero(launcher, main);
}

TEST_F(Launcher, TextureEditorIsLookedForInTheWorkingDirectoryNotBesideTheLauncher) {
    test::CopyInto(test::BuildPath("tools/editor/raz.exe"), game.Path(), "raz.exe");
    TempDir elsewhere;
    Program launcher(LauncherExe(), elsewhere.Path());
    HWND main = launcher.WaitForWindow(kMainTitle);
    ASSERT_NE(main, nullptr);
    ClickButton(main, 172);
    ExpectErrorMessageThenDone(launcher, L"File raz.exe cannot be found.");
    ExitWithCodeZero(launcher, main);
    EXPECT_EQ(GetFileAttributesA(game.File("raz_record.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Launcher, TextureEditorPresentIsStartedInTheLauncherDirectoryAndTheLauncherEnds) {
    test::CopyInto(test::BuildPath("tools/editor/raz.exe"), game.Path(), "raz.exe");
    SetEnvironmentVariableA("ZRK_STANDIN_EXIT", "1");
    Program launcher(LauncherExe(), game.Path());
    SetEnvironmentVariableA("ZRK_STANDIN_EXIT", nullptr);
    HWND main = launcher.WaitForWindow(kMainTitle);
    ASSERT_NE(main, nullptr);
    ClickToEnd(launcher, main, 172);
    ASSERT_TRUE(test::WaitForFile(game.File("raz_record.txt"), 10000));
    Sleep(200);
    std::string record = test::ReadFileBytes(game.File("raz_record.txt"));
    EXPECT_NE(record.find("cwd=" + game.Path()), std::string::npos) << record;
}

TEST_F(Launcher, WebsiteEndsTheLauncherWhateverTheShellReturns) {
    Program launcher(LauncherExe(), game.Path());
    HWND main = launcher.WaitForWindow(kMainTitle);
    ASSERT_NE(main, nullptr);
    ClickToEnd(launcher, main, 222);
}

}  // namespace
}  // namespace zrk
