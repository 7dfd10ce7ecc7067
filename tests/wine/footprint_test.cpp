// A whole session of clicks in the real launcher touches nothing but the
// configuration key and server.lst: the prefix's registry (as "reg export"
// sees it) and the game folder are compared before and after.

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/support/win/config_key.h"
#include "tests/support/win/driver.h"

namespace zrk {
namespace {

const wchar_t kMainTitle[] = L"Zarkenfall 在线";

// Keys that Wine itself rewrites whenever a program with windows starts:
// its cache of system parameters, and the display devices it registers
// anew (adapters, monitors, their device classes and driver dates).
const wchar_t* const kVolatileKeys[] = {
    L"HKEY_CURRENT_USER\\Volatile Environment",
    L"HKEY_CURRENT_USER\\Software\\Wine\\Temporary System Parameters",
    L"HKEY_LOCAL_MACHINE\\Hardware\\DEVICEMAP\\VIDEO",
    L"HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Class\\{4D36E968-E325-11CE-BFC1-08002BE10318}",
    L"HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Class\\{4D36E96E-E325-11CE-BFC1-08002BE10318}",
    L"HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\DeviceClasses",
    L"HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\ServiceCurrent",
    L"HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Video",
    L"HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Enum",
    L"HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\System",
};

bool Below(const std::wstring& key, const std::wstring& root) {
    return key.size() >= root.size() && _wcsnicmp(key.c_str(), root.c_str(), root.size()) == 0 &&
           (key.size() == root.size() || key[root.size()] == L'\\');
}

bool Volatile(const std::wstring& key) {
    for (const wchar_t* root : kVolatileKeys)
        if (Below(key, root)) return true;
    return false;
}

// "key\nvalue line" for every value line of a "reg export" file (UTF-16),
// continuation lines joined; keys without values count as a line of their own.
std::set<std::wstring> RegistryLines(const std::string& root) {
    test::TempDir scratch;
    const std::string file = scratch.File("export.reg");
    test::Program reg("C:\\windows\\system32\\reg.exe", scratch.Path(), "export " + root + " \"" + file + "\" /y");
    DWORD code = 1;
    EXPECT_TRUE(reg.WaitForExit(60000, &code));
    EXPECT_EQ(code, 0u);
    const std::string bytes = test::ReadFileBytes(file);
    std::wstring text(bytes.size() / 2, L'\0');
    memcpy(&text[0], bytes.data(), text.size() * 2);
    std::set<std::wstring> lines;
    std::wstring key;
    std::wstring pending;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        if (!line.empty() && line.back() == L'\\') {
            pending += line.substr(0, line.size() - 1);
            continue;
        }
        line = pending + line;
        pending.clear();
        if (line.size() > 2 && line.front() == L'[' && line.back() == L']') {
            key = line.substr(1, line.size() - 2);
            if (!Volatile(key)) lines.insert(key);
        } else if (!line.empty() && !key.empty() && !Volatile(key)) {
            lines.insert(key + L"\n" + line);
        }
    }
    EXPECT_GT(lines.size(), 10u) << root << " exported nothing";
    return lines;
}

std::vector<std::wstring> Difference(const std::set<std::wstring>& a, const std::set<std::wstring>& b) {
    std::vector<std::wstring> only;
    for (const std::wstring& line : a)
        if (!b.count(line)) only.push_back(line);
    return only;
}

// Name and bytes of every file in the folder, folders marked as such.
std::map<std::string, std::string> FolderContents(const std::string& folder) {
    std::map<std::string, std::string> contents;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return contents;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        contents[name] = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                             ? "(folder)"
                             : test::ReadFileBytes(folder + "\\" + name);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return contents;
}

TEST(Footprint, ASessionOfClicksTouchesOnlyTheConfigurationKeyAndServerList) {
    test::DeleteConfigKey();
    test::TempDir game;
    test::CopyInto(test::BuildPath("app/zrklauncher.exe"), game.Path(), "zrklauncher.exe");
    test::WriteFileBytes(game.File("server.lst"), "old.example.net\r\n");
    const auto filesBefore = FolderContents(game.Path());
    const auto userBefore = RegistryLines("HKCU");
    const auto machineBefore = RegistryLines("HKLM");

    test::Program launcher(game.File("zrklauncher.exe"), game.Path());
    HWND main = launcher.WaitForWindow(kMainTitle);
    ASSERT_NE(main, nullptr);
    test::ClickCentre(main, 22, 196, 180, 22);  // 选项
    HWND panel = launcher.WaitForWindow(L"设置面板");
    ASSERT_NE(panel, nullptr);
    HWND box = FindWindowExW(panel, nullptr, L"ComboBox", nullptr);
    SetWindowTextW(FindWindowExW(box, nullptr, L"Edit", nullptr), L"new.example.net");
    test::ClickCentre(panel, 190, 368, 133, 22);  // 选择字体
    HWND fonts = launcher.WaitForWindow(L"字体设置");
    ASSERT_NE(fonts, nullptr);
    test::ClickCentre(fonts, 76, 208, 141, 22);  // 完成
    ASSERT_TRUE(launcher.WaitForWindowGone(fonts));
    test::ClickCentre(panel, 338, 368, 133, 22);  // 保存
    ASSERT_TRUE(launcher.WaitForWindowGone(panel));
    test::ClickCentre(main, 22, 172, 180, 22);  // 贴图编辑器, not there
    HWND message = launcher.WaitForMessageBox();
    ASSERT_NE(message, nullptr);
    test::PressMessageBoxButton(message);
    ASSERT_TRUE(launcher.WaitForWindowGone(message));
    test::ClickCentre(main, 22, 248, 180, 22);  // 退出
    DWORD code = 1;
    ASSERT_TRUE(launcher.WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);

    auto filesAfter = FolderContents(game.Path());
    EXPECT_EQ(filesAfter["server.lst"], "new.example.net\r\nold.example.net\r\n");
    filesAfter["server.lst"] = filesBefore.at("server.lst");
    EXPECT_EQ(filesAfter, filesBefore) << "nothing else in the game folder changed";

    const std::wstring configKey = L"HKEY_CURRENT_USER\\Software\\Brelvik";
    const auto userAfter = RegistryLines("HKCU");
    std::vector<std::wstring> added;
    for (const std::wstring& line : Difference(userAfter, userBefore))
        if (!Below(line.substr(0, line.find(L'\n')), configKey)) added.push_back(line);
    EXPECT_EQ(added, std::vector<std::wstring>{}) << "HKCU gained outside the configuration key";
    EXPECT_EQ(Difference(userBefore, userAfter), std::vector<std::wstring>{}) << "HKCU lost";
    const auto machineAfter = RegistryLines("HKLM");
    EXPECT_EQ(Difference(machineAfter, machineBefore), std::vector<std::wstring>{}) << "HKLM gained";
    EXPECT_EQ(Difference(machineBefore, machineAfter), std::vector<std::wstring>{}) << "HKLM lost";
    EXPECT_TRUE(test::ConfigKeyExists());
}

}  // namespace
}  // namespace zrk
