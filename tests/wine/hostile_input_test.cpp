// Hostile input against the real registry and the real files: values of
// every wrong shape for every value the launcher reads, server.lst of every
// odd size and content, locked, a folder, in a read-only folder, long
// working directories, and a write cut off between its two steps. The
// launcher must neither crash, overflow, hang nor lose the history.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/settings_store.h"
#include "launch/launch_sequence.h"
#include "launch/patch_plan.h"
#include "platform/error_text.h"
#include "platform/win/files_win32.h"
#include "platform/win/registry_win32.h"
#include "platform/win/shell_win32.h"
#include "platform/win/system_error.h"
#include "tests/support/fake_panel.h"
#include "tests/support/failure_text.h"
#include "tests/support/memory_files.h"
#include "tests/support/win/config_key.h"
#include "tests/support/win/driver.h"
#include "tests/support/written_client.h"
#include "ui/panel_sequences.h"

namespace zrk {
namespace {

const char kKey[] = "Software\\Brelvik\\ZRKV2";
const char kNoFailure[] = "(no failure)";
const std::string kMegabyte(1 << 20, 'x');

void SetRawValue(const std::string& name, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

std::string Sz(const std::string& text) { return text + '\0'; }

// Registry values of every shape --------------------------------------------

enum class Read { Value, GetDataFailure, TypeFailure };

struct Shape {
    const char* name;
    bool present;
    DWORD type;
    std::string bytes;
    Read asInteger;
    int32_t integer;
    Read asString;
    std::string text;
};

const Shape kShapes[] = {
    {"missing", false, REG_NONE, "", Read::GetDataFailure, 0, Read::Value, ""},
    {"REG_DWORD of 4 bytes", true, REG_DWORD, std::string("\x03\0\0\0", 4), Read::Value, 3, Read::TypeFailure, ""},
    {"REG_DWORD of 0 bytes", true, REG_DWORD, "", Read::Value, 0, Read::Value, ""},
    {"REG_DWORD of 2 bytes", true, REG_DWORD, std::string("\x03\0", 2), Read::Value, 3, Read::TypeFailure, ""},
    {"REG_DWORD of 8 bytes", true, REG_DWORD, std::string("\x03\0\0\0\0\0\0\0", 8), Read::GetDataFailure, 0,
     Read::TypeFailure, ""},
    {"REG_BINARY", true, REG_BINARY, "\x01\x02", Read::TypeFailure, 0, Read::TypeFailure, ""},
    {"empty REG_SZ", true, REG_SZ, "", Read::TypeFailure, 0, Read::Value, ""},
    {"REG_SZ without its zero byte", true, REG_SZ, "abc", Read::TypeFailure, 0, Read::Value, "abc"},
    {"REG_SZ of 1 MB", true, REG_SZ, Sz(kMegabyte), Read::TypeFailure, 0, Read::Value, kMegabyte},
    {"REG_EXPAND_SZ", true, REG_EXPAND_SZ, Sz("%PATH%"), Read::TypeFailure, 0, Read::Value, "%PATH%"},
};

const char* const kIntegerValues[] = {"CTRLFLAG0", "CTRLFLAG1", "CTRLFLAG6"};
const char* const kStringValues[] = {"SERVER",       "A_FONT_JAPAN",        "A_FONT_LATIN",
                                     "A_FONT_SIMPLE_CHINESE", "A_FONT_TRAD_CHINESE", "A_FONT_KOREA"};

std::string Expected(Read read, const std::string& name, const std::string& value) {
    if (read == Read::GetDataFailure) return "Failed to get data for '" + name + "'";
    if (read == Read::TypeFailure) return "Invalid data type for '" + name + "'";
    return value;
}

class HostileRegistry : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brelvik"); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brelvik"); }
    void Put(const std::string& name, const Shape& shape) {
        if (shape.present) SetRawValue(name, shape.type, shape.bytes);
    }
    Win32Registry registry;
};

TEST_F(HostileRegistry, EveryValueTheLauncherReadsReadsOrFailsCleanlyInEveryShape) {
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brelvik");
        for (const char* name : kIntegerValues) Put(name, shape);
        for (const char* name : kStringValues) Put(name, shape);
        SettingsStore store(registry);
        ASSERT_TRUE(store.OpenKey(kConfigKeyPath, true));
        for (const char* name : kIntegerValues) {
            std::string read;
            std::string failure = FailureText([&] { read = std::to_string(store.ReadInteger(name)); });
            EXPECT_EQ(failure == kNoFailure ? read : failure,
                      Expected(shape.asInteger, name, std::to_string(shape.integer)))
                << name;
        }
        for (const char* name : kStringValues) {
            std::string read;
            std::string failure = FailureText([&] { read = store.ReadString(name); });
            EXPECT_EQ(failure == kNoFailure ? read : failure, Expected(shape.asString, name, shape.text)) << name;
        }
    }
}

// Each sequence over a key whose every other value is sound, with one value
// in the hostile shape: the options sequence shows the panel, the launches
// start the client, and the host string is what SERVER reads as.
TEST_F(HostileRegistry, EverySequenceCompletesWithAnyValueInAnyShape) {
    MemoryFiles files;
    files.Put("zrk.exe", "MZ");
    files.Put("zrkr.exe", "MZ");
    std::vector<std::string> names(std::begin(kIntegerValues), std::end(kIntegerValues));
    names.insert(names.end(), std::begin(kStringValues), std::end(kStringValues));
    for (const Shape& shape : kShapes) {
        for (const std::string& name : names) {
            SCOPED_TRACE(std::string(shape.name) + " in " + name);
            RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brelvik");
            test::SetConfigDword("CTRLFLAG0", 0x77F40002);
            test::SetConfigDword("CTRLFLAG1", 0x54);
            test::SetConfigDword("CTRLFLAG6", 3);
            test::SetConfigString("SERVER", "play.example.net");
            RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, name.c_str());
            Put(name, shape);

            FakePanel panel;
            EXPECT_EQ(FailureText([&] { RunOptionsSequence(panel, PanelServices{registry, files}); }), kNoFailure);
            EXPECT_EQ(panel.showings, 1);
            EXPECT_TRUE(panel.errors.empty());

            for (LaunchMode mode : {LaunchMode::Online, LaunchMode::Offline}) {
                WrittenClient client;
                bool ended = false;
                std::vector<std::string> errors;
                LaunchServices services{registry, files, client, [] {},
                                        [&](const std::string& m) { errors.push_back(m); },
                                        [&] { ended = true; }, "C:\\game\\", 1920, 1080};
                RunLaunchSequence(mode, services);
                EXPECT_TRUE(ended && client.created && errors.empty());
                if (mode == LaunchMode::Online && name == "SERVER") {
                    std::string host = shape.asString == Read::Value ? CustomHostString(shape.text)
                                                                     : DefaultHostString();
                    ASSERT_FALSE(client.writes.empty());
                    EXPECT_TRUE(client.writes.back().bytes == host)
                        << client.writes.back().bytes.size() << " bytes written";
                }
            }
        }
    }
}

// Files and working directories, in process --------------------------------

class HostileFiles : public ::testing::Test {
protected:
    void SetUp() override {
        GetCurrentDirectoryW(MAX_PATH, oldDirectory);
        ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    }
    void TearDown() override { SetCurrentDirectoryW(oldDirectory); }

    test::TempDir folder;
    wchar_t oldDirectory[MAX_PATH] = {};
};

// A write cut off between its two steps, as when the process is killed
// after the new bytes are on disk and before they replace the old file.
class KilledBeforeTheMove : public Win32Files {
public:
    struct Killed {};

protected:
    unsigned long MoveOver(const std::string&, const std::string&) override { throw Killed(); }
};

TEST_F(HostileFiles, AWriteCutOffBeforeTheMoveLeavesTheOldFileByteForByte) {
    const std::string old("host1\r\n\xC4\xE3\xBA\xC3\r\n\x81\r\n", 16);
    test::WriteFileBytes(folder.File("server.lst"), old);
    KilledBeforeTheMove dying;
    EXPECT_THROW(dying.ReplaceAll("server.lst", "new\r\nhost1\r\n"), KilledBeforeTheMove::Killed);
    EXPECT_EQ(test::ReadFileBytes(folder.File("server.lst.tmp")), "new\r\nhost1\r\n") << "written beside";
    EXPECT_EQ(test::ReadFileBytes(folder.File("server.lst")), old);

    // The next run reads the old history, and its save replaces the stray
    // temporary file.
    Win32Files files;
    MemoryServerBox box;
    LoadServerList(box, files);
    EXPECT_EQ(box.Entries(), (std::vector<std::string>{"DODER SERVER", "host1", "\xC4\xE3\xBA\xC3", "\x81"}));
    box.SetText("again");
    EXPECT_TRUE(RecordServerChoice(box, files));
    EXPECT_EQ(test::ReadFileBytes(folder.File("server.lst")), "again\r\n" + old);
    EXPECT_EQ(GetFileAttributesA(folder.File("server.lst.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

// Nested folders below base until the path is longer than length, made and
// removed with "\\?\" paths: the shell's own folder removal cannot be
// trusted with paths this long.
class LongFolder {
public:
    LongFolder(const std::string& base, size_t length) {
        std::wstring path = L"\\\\?\\" + std::wstring(base.begin(), base.end());
        for (wchar_t c = L'a'; path.size() - 4 <= length; ++c) {
            path += L"\\" + std::wstring(100, c);
            CreateDirectoryW(path.c_str(), nullptr);
            made_.push_back(path);
        }
    }
    ~LongFolder() {
        for (const wchar_t* name : {L"\\server.lst", L"\\server.lst.tmp"})
            DeleteFileW((made_.back() + name).c_str());
        for (auto folder = made_.rbegin(); folder != made_.rend(); ++folder)
            RemoveDirectoryW(folder->c_str());
    }
    std::wstring Path() const { return made_.back().substr(4); }

private:
    std::vector<std::wstring> made_;
};

// Wine starts no program from a folder longer than MAX_PATH, nor with one as
// its working directory; a program can still move into one. server.lst is
// read and written there, and a failure names its full path.
TEST_F(HostileFiles, AWorkingDirectoryLongerThan260CharactersServesAndNamesTheFullPath) {
    LongFolder longFolder(folder.Path(), 300);
    ASSERT_TRUE(SetCurrentDirectoryW(longFolder.Path().c_str())) << GetLastError();
    Win32Files files;
    std::string missing = FailureText([&] { files.ReadAll("server.lst"); });
    std::string written = FailureText([&] { files.ReplaceAll("server.lst", "new\r\n"); });
    std::string readBack;
    std::string read = FailureText([&] { readBack = files.ReadAll("server.lst"); });
    SetCurrentDirectoryW(oldDirectory);
    const std::wstring full = longFolder.Path() + L"\\server.lst";
    EXPECT_EQ(missing, "Cannot open file \"" + std::string(full.begin(), full.end()) + "\". " +
                           SystemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(written, kNoFailure);
    EXPECT_EQ(read, kNoFailure);
    EXPECT_EQ(readBack, "new\r\n");
}

TEST(PathBuffers, HoldTextsOfAnyLengthWhole) {
    for (size_t length : {0u, 259u, 1023u, 1024u, 5000u}) {
        const std::string text(length, 'p');
        std::vector<char> buffer = PathBuffer(text);
        EXPECT_EQ(buffer.size(), std::max<size_t>(1024, length + 1));
        EXPECT_EQ(std::string(buffer.data()), text);
    }
    EXPECT_EQ(LauncherDirectory().back(), '\\');
}

using FamilyList = std::vector<std::string>;

int CALLBACK CollectFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM list) {
    reinterpret_cast<FamilyList*>(list)->push_back(font->lfFaceName);
    return 1;
}

FamilyList InstalledFamilies() {
    FamilyList families;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesA(dc, nullptr, CollectFamily, reinterpret_cast<LPARAM>(&families));
    ReleaseDC(nullptr, dc);
    return families;
}

// The real launcher -----------------------------------------------------------

const wchar_t kMainTitle[] = L"Zarkenfall 在线";
const wchar_t kPanelTitle[] = L"设置面板";
const char kNewHost[] = "new.example.net";

// One field of the stand-in client's record ("key=value" lines); "" when absent.
std::string RecordField(const std::string& record, const std::string& key) {
    const std::string lines = "\n" + record;
    const size_t at = lines.find("\n" + key + "=");
    if (at == std::string::npos) return "";
    const size_t value = at + key.size() + 2;
    return lines.substr(value, lines.find('\n', value) - value);
}

HWND ChildOfClass(HWND parent, const wchar_t* className, int nth = 0) {
    for (const test::WindowInfo& child : test::Children(parent))
        if (_wcsicmp(child.className.c_str(), className) == 0 && nth-- == 0) return child.hwnd;
    return nullptr;
}

class HostileLauncher : public ::testing::Test {
protected:
    void SetUp() override {
        test::DeleteConfigKey();
        for (const char* exe : {"zrklauncher.exe", "zrk.exe", "zrkr.exe"}) {
            const std::string built = std::string(exe) == "zrklauncher.exe" ? "app/" : "tools/client/";
            test::CopyInto(test::BuildPath(built + exe), game.Path(), exe);
        }
        SetEnvironmentVariableA("ZRK_STANDIN_EXIT", "1");
    }
    void TearDown() override {
        SetEnvironmentVariableA("ZRK_STANDIN_EXIT", nullptr);
        SetFileAttributesA(game.Path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    void Start() {
        launcher = std::make_unique<test::Program>(game.File("zrklauncher.exe"), game.Path());
        main = launcher->WaitForWindow(kMainTitle);
        ASSERT_NE(main, nullptr);
    }
    void ClickMain(int top) { test::ClickCentre(main, 22, top, 180, 22); }
    HWND OpenPanel(int timeoutMs = 10000) {
        ClickMain(196);
        return launcher->WaitForWindow(kPanelTitle, timeoutMs);
    }
    static HWND ServerBox(HWND panel) { return ChildOfClass(panel, L"ComboBox"); }
    static void SetServerText(HWND panel, const std::string& text) {
        HWND edit = FindWindowExW(ServerBox(panel), nullptr, L"Edit", nullptr);
        SetWindowTextA(edit, text.c_str());
    }
    void Save(HWND panel) { test::ClickCentre(panel, 338, 368, 133, 22); }
    // The default error box: the application's title and the failure's text.
    std::wstring DefaultErrorBoxThenOk() {
        HWND box = launcher->WaitForMessageBox();
        if (!box) return L"(no box)";
        EXPECT_EQ(test::WindowText(box), L"Zrklauncher");
        std::wstring text = test::MessageBoxText(box);
        test::PressMessageBoxButton(box);
        EXPECT_TRUE(launcher->WaitForWindowGone(box));
        return text;
    }
    std::wstring Wide(const std::string& text) {
        std::wstring wide(text.size() * 2 + 1, L'\0');
        wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0],
                                                            static_cast<int>(wide.size())) - 1));
        return wide;
    }
    std::string ServerList() { return test::ReadFileBytes(game.File("server.lst")); }
    void Exit() {
        ClickMain(248);
        DWORD code = 1;
        ASSERT_TRUE(launcher->WaitForExit(10000, &code));
        EXPECT_EQ(code, 0u);
    }
    // The stand-in's whole record, once it has ended it with "end=1".
    std::string WaitForRecord() {
        EXPECT_TRUE(test::WaitForFile(game.File("zrk_record.txt"), 10000));
        std::string record;
        for (int i = 0; i < 250 && RecordField(record, "end") != "1"; ++i, Sleep(20))
            record = test::ReadFileBytes(game.File("zrk_record.txt"));
        return record;
    }
    std::string LaunchAndRecord(bool online) {
        Start();
        ClickMain(online ? 124 : 148);
        DWORD code = 1;
        EXPECT_TRUE(launcher->WaitForExit(20000, &code));
        EXPECT_EQ(code, 0u);
        return WaitForRecord();
    }

    test::TempDir game;
    std::unique_ptr<test::Program> launcher;
    HWND main = nullptr;
};

TEST_F(HostileLauncher, MegabyteValuesFillThePanelAndASaveWritesThemWhole) {
    FamilyList families = InstalledFamilies();
    ASSERT_FALSE(families.empty());
    test::SetConfigDword("CTRLFLAG0", 0x77F40002);
    test::SetConfigDword("CTRLFLAG1", 0x54);
    SetRawValue("A_FONT_JAPAN", REG_SZ, Sz(kMegabyte));
    SetRawValue("A_FONT_LATIN", REG_SZ, families[0]);  // without its zero byte
    SetRawValue("CTRLFLAG6", REG_DWORD, std::string("\x03\0", 2));
    SetRawValue("SERVER", REG_SZ, Sz(kMegabyte));
    test::WriteFileBytes(game.File("server.lst"), "old\r\n");
    Start();
    HWND panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(SendMessageW(ChildOfClass(panel, L"Button"), BM_GETCHECK, 0, 0), BST_CHECKED);
    HWND edit = FindWindowExW(ServerBox(panel), nullptr, L"Edit", nullptr);
    EXPECT_EQ(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0), 1 << 20);
    Save(panel);
    ASSERT_TRUE(launcher->WaitForWindowGone(panel));
    EXPECT_TRUE(test::ConfigString("SERVER") == kMegabyte);
    EXPECT_TRUE(ServerList() == kMegabyte + "\r\nold\r\n");
    EXPECT_EQ(test::ConfigDword("CTRLFLAG6"), 3u);
    EXPECT_EQ(test::ConfigString("A_FONT_JAPAN"), "It is not chosen.") << "no such font";
    EXPECT_EQ(test::ConfigString("A_FONT_LATIN"), families[0]);
    Exit();
}

// The launcher bounds no host name. A long one fills the client's field and
// what follows it; the stand-in sees the first 4096 bytes without a NUL.
// (A megabyte runs on past the stand-in's data block into its import table,
// and the stand-in dies before its first instruction: no record then.)
TEST_F(HostileLauncher, LongServerOnAnOnlineLaunch) {
    for (size_t length : {size_t{64} << 10, size_t{1} << 20}) {
        SCOPED_TRACE(std::to_string(length) + " bytes");
        SetRawValue("CTRLFLAG1", REG_DWORD, "");  // reads as 0
        test::SetConfigDword("CTRLFLAG6", 2);
        SetRawValue("SERVER", REG_SZ, Sz(std::string(length, 'x')));
        DeleteFileA(game.File("zrk_record.txt").c_str());
        Start();
        ClickMain(124);
        DWORD code = 1;
        ASSERT_TRUE(launcher->WaitForExit(20000, &code));
        EXPECT_EQ(code, 0u);
        EXPECT_EQ(test::ConfigDword("CTRLFLAG1"), 0x14u) << "written before the client starts";
        if (length < (size_t{1} << 20)) {
            std::string hex;
            for (int i = 0; i < 4096; ++i) hex += "78";
            EXPECT_EQ(RecordField(WaitForRecord(), "host"), hex) << "no NUL within the 4096 bytes the stand-in keeps";
        }
    }
}

TEST_F(HostileLauncher, UnreadableFlagWordsOnAnOfflineLaunch) {
    SetRawValue("CTRLFLAG1", REG_DWORD, std::string("\x14\0\0\0\0\0\0\0", 8));
    SetRawValue("CTRLFLAG6", REG_SZ, Sz("1"));
    const std::string record = LaunchAndRecord(false);
    EXPECT_EQ(RecordField(record, "end"), "1");
    EXPECT_EQ(RecordField(record, "patches_at_entry"), "none");
    auto flag1 = test::ConfigValue("CTRLFLAG1");
    ASSERT_TRUE(flag1.has_value());
    EXPECT_EQ(flag1->data.size(), 8u) << "not written back";
}

// server.lst of every odd size and content: each is listed behind the
// built-in server, and a save of a new host keeps the old bytes behind it.
TEST_F(HostileLauncher, OddServerListsAreListedAndKeptByteForByte) {
    std::string tenMegabytes;
    std::string tenthDropped;
    int lines = 0;
    for (; tenMegabytes.size() < 10u << 20; ++lines) {
        char line[32];
        std::snprintf(line, sizeof line, "host%07d.example.net\r\n", lines);
        tenMegabytes += line;
        if (lines != 9) tenthDropped += line;
    }
    const std::string megabyteLine = std::string(1 << 20, 'h') + "\r\n";
    const std::string doubleByte("\x81\r\n\xC4\xE3\xC4\r\n\xFF\xFF\r\nok\r\n", 16);
    struct Case {
        const char* name;
        std::string file;
        int listed;  // entries with the built-in server
        std::string kept;
    } cases[] = {
        {"0 bytes", "", 1, ""},
        {"NUL bytes", std::string("a\r\n\0b\r\n", 7), 2, "a\r\n"},
        {"invalid double-byte sequences", doubleByte, 5, doubleByte},
        {"one line of 1 MB", megabyteLine, 2, megabyteLine},
        {"10 MB", tenMegabytes, 1 + lines, tenthDropped},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::WriteFileBytes(game.File("server.lst"), c.file);
        HWND panel = OpenPanel(120000);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(SendMessageW(ServerBox(panel), CB_GETCOUNT, 0, 0), c.listed);
        SetServerText(panel, kNewHost);
        Save(panel);
        ASSERT_TRUE(launcher->WaitForWindowGone(panel, 120000));
        EXPECT_TRUE(ServerList() == std::string(kNewHost) + "\r\n" + c.kept);
    }
    Exit();
}

TEST_F(HostileLauncher, ServerListAsAFolderLockedOrReadOnly) {
    Start();
    const std::string list = game.File("server.lst");
    const std::wstring listW = Wide(list);

    // A folder: no history; the save says why and keeps the panel open.
    ASSERT_TRUE(CreateDirectoryA(list.c_str(), nullptr));
    HWND panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(SendMessageW(ServerBox(panel), CB_GETCOUNT, 0, 0), 1);
    SetServerText(panel, kNewHost);
    Save(panel);
    std::wstring text = DefaultErrorBoxThenOk();
    EXPECT_EQ(text.rfind(L"Cannot create file \"" + listW + L"\". ", 0), 0u) << text;
    EXPECT_TRUE(IsWindowVisible(panel));
    EXPECT_NE(GetFileAttributesA(list.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(GetFileAttributesA((list + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    PostMessageW(panel, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(launcher->WaitForWindowGone(panel));
    ASSERT_TRUE(RemoveDirectoryA(list.c_str()));

    // Held open by another program: the options sequence cannot read it.
    test::WriteFileBytes(list, "old\r\n");
    HANDLE holder = CreateFileA(list.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ClickMain(196);
    text = DefaultErrorBoxThenOk();
    EXPECT_EQ(text, Wide(ErrorBoxText("Cannot open file \"" + list + "\". " + SystemErrorText(ERROR_SHARING_VIOLATION))));
    EXPECT_EQ(launcher->WaitForWindow(kPanelTitle, 300), nullptr) << "the panel is not shown";
    CloseHandle(holder);

    // Held open while the player saves: the old history stays whole, and a
    // second save once it is free records the host.
    panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    holder = CreateFileA(list.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    SetServerText(panel, kNewHost);
    Save(panel);
    text = DefaultErrorBoxThenOk();
    EXPECT_EQ(text.rfind(L"Cannot create file \"" + listW + L"\". ", 0), 0u) << text;
    CloseHandle(holder);
    EXPECT_EQ(ServerList(), "old\r\n");
    EXPECT_TRUE(IsWindowVisible(panel));
    Save(panel);
    ASSERT_TRUE(launcher->WaitForWindowGone(panel));
    EXPECT_EQ(ServerList(), std::string(kNewHost) + "\r\nold\r\n");

    // A read-only game folder, then a read-only server.lst: the save either
    // goes through or says why, and the history is whole either way. (Wine
    // running as root lets both through.)
    for (const std::string& readOnly : {game.Path(), list}) {
        SCOPED_TRACE("read-only " + readOnly);
        const std::string before = ServerList();
        ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
        panel = OpenPanel();
        ASSERT_NE(panel, nullptr);
        const std::string host = "readonly" + std::to_string(readOnly.size());
        SetServerText(panel, host);
        Save(panel);
        if (launcher->WaitForWindowGone(panel, 3000)) {
            EXPECT_EQ(ServerList(), host + "\r\n" + before);
        } else {
            text = DefaultErrorBoxThenOk();
            EXPECT_EQ(text.rfind(L"Cannot create file \"" + listW + L"\". ", 0), 0u) << text;
            EXPECT_EQ(ServerList(), before);
            PostMessageW(panel, WM_SYSCOMMAND, SC_CLOSE, 0);
            ASSERT_TRUE(launcher->WaitForWindowGone(panel));
        }
        SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    Exit();
}

TEST_F(HostileLauncher, ProgramsThatAreFoldersAreNotFound) {
    for (const char* exe : {"zrk.exe", "zrkr.exe", "raz.exe"}) {
        DeleteFileA(game.File(exe).c_str());
        ASSERT_TRUE(CreateDirectoryA(game.File(exe).c_str(), nullptr));
    }
    test::SetConfigDword("CTRLFLAG1", 0);
    Start();
    for (const auto& [top, exe] : {std::pair<int, const wchar_t*>{124, L"zrk.exe"}, {148, L"zrkr.exe"}, {172, L"raz.exe"}}) {
        ClickMain(top);
        HWND box = launcher->WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(test::MessageBoxText(box), std::wstring(L"File ") + exe + L" cannot be found.");
        test::PressMessageBoxButton(box);
        ASSERT_TRUE(launcher->WaitForWindowGone(box));
    }
    EXPECT_TRUE(launcher->Running());
    Exit();
}

}  // namespace
}  // namespace zrk
