#include "platform/win/registry_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "config/settings_store.h"
#include "tests/support/failure_text.h"

namespace zrk {
namespace {

const char kKey[] = "Software\\Brelvik\\ZRKV2";

bool RawKeyExists(const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

void RawSet(const std::string& name, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type,
                             reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

// Type and bytes as the registry holds them; type REG_NONE and "missing" when absent.
RegistryValue RawGet(const std::string& name) {
    RegistryValue value{REG_NONE, "missing"};
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return value;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::string data(size, '\0');
        if (RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]),
                             &size) == ERROR_SUCCESS) {
            value = {type, data.substr(0, size)};
        }
    }
    RegCloseKey(key);
    return value;
}

class RegistryWin32Test : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brelvik"); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brelvik"); }

    void Open() { ASSERT_TRUE(store.OpenKey(kConfigKeyPath, true)); }

    Win32Registry registry;
    SettingsStore store{registry};
};

TEST_F(RegistryWin32Test, KeyExistsFollowsCreateKeyWithParents) {
    EXPECT_FALSE(store.KeyExists(kConfigKeyPath));
    EXPECT_TRUE(store.CreateKey(kConfigKeyPath));
    EXPECT_TRUE(RawKeyExists("Software\\Brelvik"));
    EXPECT_TRUE(RawKeyExists(kKey));
    EXPECT_TRUE(store.KeyExists(kConfigKeyPath));
    // The created key was closed, not opened for the store.
    EXPECT_EQ(FailureText([&] { store.WriteInteger("X", 1); }), "Failed to set data for 'X'");
}

TEST_F(RegistryWin32Test, OpenKeyCreatesOrRefuses) {
    EXPECT_FALSE(store.OpenKey(kConfigKeyPath, false));
    EXPECT_FALSE(RawKeyExists(kKey));
    EXPECT_TRUE(store.OpenKey(kConfigKeyPath, true));
    EXPECT_TRUE(RawKeyExists(kKey));
    EXPECT_TRUE(store.OpenKey(kConfigKeyPath, false));
    store.WriteInteger("X", 1);
    EXPECT_EQ(store.ReadInteger("X"), 1);
}

TEST_F(RegistryWin32Test, KeyExistsLeavesTheOpenKeyAlone) {
    Open();
    EXPECT_TRUE(store.KeyExists(kConfigKeyPath));
    store.WriteInteger("X", 3);
    EXPECT_EQ(store.ReadInteger("X"), 3);
}

TEST_F(RegistryWin32Test, WritesStoreExactTypesAndSizes) {
    Open();
    store.WriteInteger("CTRLFLAG1", -21);
    store.WriteString("SERVER", "DODER SERVER");
    store.WriteString("EMPTY", "");
    store.WriteBinary("W_FONT_LATIN", std::string("A\0r\0\0\0", 6));
    const struct {
        const char* name;
        DWORD type;
        std::string bytes;
    } cases[] = {
        {"CTRLFLAG1", REG_DWORD, std::string("\xEB\xFF\xFF\xFF", 4)},
        {"SERVER", REG_SZ, std::string("DODER SERVER\0", 13)},
        {"EMPTY", REG_SZ, std::string("\0", 1)},
        {"W_FONT_LATIN", REG_BINARY, std::string("A\0r\0\0\0", 6)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RegistryValue raw = RawGet(c.name);
        EXPECT_EQ(raw.type, c.type);
        EXPECT_EQ(raw.data, c.bytes);
    }
}

TEST_F(RegistryWin32Test, WritesReadBack) {
    Open();
    const int32_t integers[] = {0, 0x14, -1, -21, INT32_MIN};
    for (int32_t value : integers) {
        store.WriteInteger("CTRLFLAG0", value);
        EXPECT_EQ(store.ReadInteger("CTRLFLAG0"), value);
    }
    // Text in the ANSI code page (GBK here): 你好.
    const std::string texts[] = {"", "host.example:27015", "\xC4\xE3\xBA\xC3"};
    for (const std::string& text : texts) {
        store.WriteString("SERVER", text);
        EXPECT_EQ(store.ReadString("SERVER"), text);
    }
}

TEST_F(RegistryWin32Test, WritesReplaceAValueOfAnotherType) {
    RawSet("CTRLFLAG0", REG_SZ, std::string("1\0", 2));
    RawSet("SERVER", REG_DWORD, std::string("\1\0\0\0", 4));
    Open();
    store.WriteInteger("CTRLFLAG0", 5);
    store.WriteString("SERVER", "h");
    EXPECT_EQ(RawGet("CTRLFLAG0").type, static_cast<uint32_t>(REG_DWORD));
    EXPECT_EQ(store.ReadInteger("CTRLFLAG0"), 5);
    EXPECT_EQ(RawGet("SERVER").type, static_cast<uint32_t>(REG_SZ));
    EXPECT_EQ(store.ReadString("SERVER"), "h");
}

TEST_F(RegistryWin32Test, ReadsOfStoredTypesAndSizes) {
    RawSet("SERVER", REG_EXPAND_SZ, std::string("%PATH%\0", 7));
    RawSet("LONG", REG_DWORD, std::string("\1\0\0\0\0\0\0\0", 8));
    RawSet("SHORT", REG_DWORD, std::string("\x34\x12", 2));
    RawSet("CTRLFLAG0", REG_SZ, std::string("not a number\0", 13));
    RawSet("CUT", REG_SZ, std::string("ab\0cd\0", 6));
    RawSet("BLOB", REG_BINARY, "abc");
    Open();
    EXPECT_EQ(store.ReadString("SERVER"), "%PATH%");
    EXPECT_EQ(store.ReadString("CUT"), "ab");
    EXPECT_EQ(store.ReadString("MISSING"), "");
    EXPECT_EQ(store.ReadInteger("SHORT"), 0x1234);
    EXPECT_EQ(FailureText([&] { store.ReadInteger("LONG"); }), "Failed to get data for 'LONG'");
    EXPECT_EQ(FailureText([&] { store.ReadInteger("MISSING"); }), "Failed to get data for 'MISSING'");
    EXPECT_EQ(FailureText([&] { store.ReadInteger("CTRLFLAG0"); }),
              "Invalid data type for 'CTRLFLAG0'");
    EXPECT_EQ(FailureText([&] { store.ReadString("BLOB"); }), "Invalid data type for 'BLOB'");
}

TEST_F(RegistryWin32Test, AMegabyteStringReadsWhole) {
    std::string text(1 << 20, 'x');
    text[12345] = 'y';
    RawSet("SERVER", REG_SZ, text + '\0');
    Open();
    std::string read = store.ReadString("SERVER");
    EXPECT_EQ(read.size(), text.size());
    EXPECT_TRUE(read == text);
}

TEST_F(RegistryWin32Test, ValueExistsForAnyType) {
    RawSet("dir", REG_BINARY, "");
    Open();
    EXPECT_TRUE(store.ValueExists("dir"));
    EXPECT_FALSE(store.ValueExists("INSTALL"));
}

TEST_F(RegistryWin32Test, SeedingWritesOnlyAbsentValues) {
    RawSet("dir", REG_BINARY, std::string("\x2E\0", 2));
    RawSet("LANGUAGE", REG_DWORD, std::string(4, '\0'));
    Open();
    SeedValues(store);
    EXPECT_EQ(RawGet("dir").type, static_cast<uint32_t>(REG_BINARY));
    EXPECT_EQ(RawGet("dir").data, std::string("\x2E\0", 2));
    EXPECT_EQ(store.ReadInteger("LANGUAGE"), 0);
    EXPECT_EQ(RawGet("INSTALL").type, static_cast<uint32_t>(REG_DWORD));
    EXPECT_EQ(RawGet("INSTALL").data, std::string(4, '\0'));
}

TEST_F(RegistryWin32Test, SeedingAnEmptyKey) {
    Open();
    SeedValues(store);
    EXPECT_EQ(RawGet("dir").type, static_cast<uint32_t>(REG_SZ));
    EXPECT_EQ(RawGet("dir").data, std::string(".\\\0", 3));
    EXPECT_EQ(RawGet("LANGUAGE").data, std::string("\1\0\0\0", 4));
    EXPECT_EQ(RawGet("CTRLFLAG2").data, std::string(4, '\0'));
}

}  // namespace
}  // namespace zrk
