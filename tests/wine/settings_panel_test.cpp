// The settings panel and the font dialog, driven in the real launcher with
// mouse and keyboard messages, checked against the real registry.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/win/config_key.h"
#include "tests/support/win/driver.h"

namespace zrk {
namespace {

using test::Program;
using test::TempDir;

const wchar_t kMainTitle[] = L"Zarkenfall 在线";
const wchar_t kPanelTitle[] = L"设置面板";
const wchar_t kFontTitle[] = L"字体设置";

std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* className) {
    std::vector<HWND> found;
    for (const test::WindowInfo& child : test::Children(parent)) {
        if (_wcsicmp(child.className.c_str(), className) == 0)
            found.push_back(child.hwnd);
    }
    return found;
}

std::vector<int> TrackBarPositions(HWND panel) {
    std::vector<int> positions;
    for (HWND bar : ChildrenOfClass(panel, TRACKBAR_CLASSW))
        positions.push_back(static_cast<int>(SendMessageW(bar, TBM_GETPOS, 0, 0)));
    return positions;
}

std::vector<std::wstring> ComboEntries(HWND combo) {
    std::vector<std::wstring> entries;
    int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

HWND EditOf(HWND combo) { return FindWindowExW(combo, nullptr, L"Edit", nullptr); }

void PressKey(HWND hwnd, UINT key, int times = 1) {
    for (int i = 0; i < times; ++i) {
        SendMessageW(hwnd, WM_KEYDOWN, key, 1);
        SendMessageW(hwnd, WM_KEYUP, key, 0xC0000001);
    }
}

class SettingsPanel : public ::testing::Test {
protected:
    void SetUp() override {
        test::DeleteConfigKey();
        test::CopyInto(test::BuildPath("app/zrklauncher.exe"), game.Path(), "zrklauncher.exe");
    }

    // Starts the launcher and opens the panel with "选项".
    HWND OpenPanel() {
        launcher = std::make_unique<Program>(game.File("zrklauncher.exe"), game.Path());
        main = launcher->WaitForWindow(kMainTitle);
        EXPECT_NE(main, nullptr);
        test::ClickCentre(main, 22, 196, 180, 22);
        HWND panel = launcher->WaitForWindow(kPanelTitle);
        EXPECT_NE(panel, nullptr);
        return panel;
    }

    void Exit() {
        test::ClickCentre(main, 22, 248, 180, 22);
        DWORD code = 1;
        ASSERT_TRUE(launcher->WaitForExit(10000, &code));
        EXPECT_EQ(code, 0u);
    }

    TempDir game;
    std::unique_ptr<Program> launcher;
    HWND main = nullptr;
};

TEST_F(SettingsPanel, OptionsOnAFreshMachineShowsTheDefaultsAndSaveWritesWhatThePlayerSet) {
    HWND panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(test::ConfigKeyExists()) << "opening the panel creates the key";
    EXPECT_EQ(TrackBarPositions(panel), (std::vector<int>{2, 1, 1, 1, 2, 1, 1, 1, 0}));
    std::vector<HWND> boxes = ChildrenOfClass(panel, L"ComboBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(test::WindowText(boxes[0]), L"DODER SERVER");
    EXPECT_EQ(ComboEntries(boxes[0]), std::vector<std::wstring>{L"DODER SERVER"});
    std::vector<HWND> checks = ChildrenOfClass(panel, L"Button");
    ASSERT_EQ(checks.size(), 1u);
    EXPECT_EQ(test::WindowText(checks[0]), L"窗口模式");
    EXPECT_EQ(SendMessageW(checks[0], BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // The player moves every track bar to its left end, ticks windowed mode
    // and types a new host.
    for (HWND bar : ChildrenOfClass(panel, TRACKBAR_CLASSW))
        PressKey(bar, VK_HOME);
    SendMessageW(checks[0], BM_CLICK, 0, 0);
    HWND edit = EditOf(boxes[0]);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    test::TypeText(edit, L"play.example.net");
    test::ClickCentre(panel, 338, 368, 133, 22);  // 保存
    ASSERT_TRUE(launcher->WaitForWindowGone(panel));

    EXPECT_EQ(test::ConfigDword("CTRLFLAG0"), 0x77F40002u);
    EXPECT_EQ(test::ConfigDword("CTRLFLAG1"), 0x54u);
    EXPECT_EQ(test::ConfigDword("CTRLFLAG6"), 3u);
    EXPECT_EQ(test::ConfigString("SERVER"), "play.example.net");
    EXPECT_EQ(test::ConfigString("dir"), ".\\");
    EXPECT_EQ(test::ConfigDword("LANGUAGE"), 1u);
    EXPECT_EQ(test::ConfigString("A_FONT_KOREA"), "It is not chosen.");
    EXPECT_EQ(test::ReadFileBytes(game.File("server.lst")), "play.example.net\r\n");
    Exit();
}

TEST_F(SettingsPanel, StoredValuesAreShownAndAutoCompletionFinishesAHistoryEntry) {
    test::SetConfigDword("CTRLFLAG0", 0x080B0004);  // every graphics position at its right end
    test::SetConfigDword("CTRLFLAG1", 0x16);
    test::SetConfigDword("CTRLFLAG6", 1);
    test::WriteFileBytes(game.File("server.lst"), "play.example.net\r\nzrk.test\r\n");
    HWND panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(TrackBarPositions(panel), (std::vector<int>{2, 2, 2, 2, 2, 1, 1, 1, 2}));
    HWND check = ChildrenOfClass(panel, L"Button")[0];
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    HWND box = ChildrenOfClass(panel, L"ComboBox")[0];
    EXPECT_EQ(ComboEntries(box), (std::vector<std::wstring>{L"DODER SERVER", L"play.example.net", L"zrk.test"}));

    HWND edit = EditOf(box);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    test::TypeText(edit, L"PL");
    EXPECT_EQ(test::WindowText(edit), L"PLay.example.net");
    LRESULT selection = SendMessageW(edit, EM_GETSEL, 0, 0);
    EXPECT_EQ(LOWORD(selection), 2);
    EXPECT_EQ(HIWORD(selection), 16);

    // The system's close command leaves the panel without saving.
    PostMessageW(panel, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(launcher->WaitForWindowGone(panel));
    EXPECT_FALSE(test::ConfigString("SERVER").has_value());
    EXPECT_EQ(test::ReadFileBytes(game.File("server.lst")), "play.example.net\r\nzrk.test\r\n");
    Exit();
}

TEST_F(SettingsPanel, AnUnreadableServerListIsShownInTheDefaultErrorBoxAndThePanelStaysHidden) {
    std::string path = game.File("server.lst");
    test::WriteFileBytes(path, "play.example.net\r\n");
    // Another program holds it open for writing.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    launcher = std::make_unique<Program>(game.File("zrklauncher.exe"), game.Path());
    main = launcher->WaitForWindow(kMainTitle);
    ASSERT_NE(main, nullptr);
    test::ClickCentre(main, 22, 196, 180, 22);
    HWND box = launcher->WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(test::WindowText(box), L"Zrklauncher");
    std::wstring text = test::MessageBoxText(box);
    wchar_t widePath[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
    EXPECT_EQ(text.rfind(std::wstring(L"Cannot open file \"") + widePath + L"\". ", 0), 0u) << text;
    // The system's own OK button, in the system's language.
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_NE(test::MessageBoxButton(box), L"完成");
    test::PressMessageBoxButton(box);
    ASSERT_TRUE(launcher->WaitForWindowGone(box));
    CloseHandle(held);
    for (const test::WindowInfo& w : launcher->TopLevelWindows())
        EXPECT_FALSE(w.visible && w.title == kPanelTitle) << "the panel is not shown";
    EXPECT_TRUE(launcher->Running());
    Exit();
}

struct FamilyList {
    std::vector<std::string> names;
};

int CALLBACK CollectFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM lp) {
    reinterpret_cast<FamilyList*>(lp)->names.push_back(font->lfFaceName);
    return 1;
}

TEST_F(SettingsPanel, FontDialogListsTheInstalledFamiliesAndAPickIsSaved) {
    FamilyList families;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesA(dc, nullptr, CollectFamily, reinterpret_cast<LPARAM>(&families));
    ReleaseDC(nullptr, dc);
    ASSERT_GE(families.names.size(), 2u);

    HWND panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    test::ClickCentre(panel, 190, 368, 133, 22);  // 选择字体
    HWND dialog = launcher->WaitForWindow(kFontTitle);
    ASSERT_NE(dialog, nullptr);
    std::vector<HWND> boxes = ChildrenOfClass(dialog, L"ComboBox");
    ASSERT_EQ(boxes.size(), 5u);
    for (HWND box : boxes)
        EXPECT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(families.names.size()));
    std::vector<std::wstring> listed = ComboEntries(boxes[2]);
    ASSERT_EQ(listed.size(), families.names.size());
    for (size_t i = 0; i < listed.size(); ++i) {
        wchar_t wide[64] = {};
        MultiByteToWideChar(CP_ACP, 0, families.names[i].c_str(), -1, wide, 64);
        EXPECT_EQ(listed[i], wide) << "family " << i << ", in the order reported";
    }

    PressKey(boxes[1], VK_DOWN, 2);  // the second family for the Western row
    test::ClickCentre(dialog, 76, 208, 141, 22);  // 完成
    ASSERT_TRUE(launcher->WaitForWindowGone(dialog));
    EXPECT_TRUE(IsWindowVisible(panel)) << "the panel stays open";
    test::ClickCentre(panel, 338, 368, 133, 22);  // 保存
    ASSERT_TRUE(launcher->WaitForWindowGone(panel));

    EXPECT_EQ(test::ConfigString("A_FONT_LATIN"), families.names[1]);
    auto widened = test::ConfigValue("W_FONT_LATIN");
    ASSERT_TRUE(widened.has_value());
    EXPECT_EQ(widened->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(widened->data.size(), 2 * families.names[1].size() + 2);
    EXPECT_EQ(test::ConfigString("A_FONT_JAPAN"), "It is not chosen.");
    Exit();
}

}  // namespace
}  // namespace zrk
