#include "config/settings_store.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/fake_registry.h"
#include "tests/support/failure_text.h"

namespace zrk {
namespace {

using Op = FakeRegistry::Op;
using Log = std::vector<std::string>;

const char kKey[] = "Software\\Brelvik\\ZRKV2";

const char kNone[] = "(no failure)";

std::string Bytes(std::initializer_list<int> bytes) {
    std::string text;
    for (int b : bytes) {
        text += static_cast<char>(b);
    }
    return text;
}

class SettingsStoreTest : public ::testing::Test {
protected:
    void Open() {
        ASSERT_TRUE(store.OpenKey(kConfigKeyPath, true));
        registry.ClearLog();
    }

    FakeRegistry registry;
    SettingsStore store{registry};
};

TEST_F(SettingsStoreTest, KeyExistsOpensReadOnlyAndClosesAgain) {
    EXPECT_FALSE(store.KeyExists(kConfigKeyPath));
    EXPECT_EQ(registry.Log(), Log{"Open Software\\Brelvik\\ZRKV2 read"});
    registry.SetDword("X", 1);
    registry.ClearLog();
    EXPECT_TRUE(store.KeyExists(kConfigKeyPath));
    EXPECT_EQ(registry.Log(), (Log{"Open Software\\Brelvik\\ZRKV2 read", "Close"}));
    EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(SettingsStoreTest, KeyExistsLeavesTheOpenKeyAlone) {
    registry.SetDword("X", 7);
    Open();
    EXPECT_TRUE(store.KeyExists(kConfigKeyPath));
    EXPECT_EQ(registry.OpenKeys(), 1);
    EXPECT_EQ(store.ReadInteger("X"), 7);
}

TEST_F(SettingsStoreTest, KeyExistsIsFalseWhenTheOpenIsRefused) {
    registry.SetDword("X", 1);
    registry.FailCall(1);
    EXPECT_FALSE(store.KeyExists(kConfigKeyPath));
}

TEST_F(SettingsStoreTest, CreateKeyMakesParentsAndClosesAtOnce) {
    EXPECT_TRUE(store.CreateKey(kConfigKeyPath));
    EXPECT_TRUE(registry.HasKey("Software"));
    EXPECT_TRUE(registry.HasKey("Software\\Brelvik"));
    EXPECT_TRUE(registry.HasKey(kKey));
    EXPECT_EQ(registry.Log(), (Log{"Create Software\\Brelvik\\ZRKV2", "Close"}));
    // It did not become the open key.
    EXPECT_EQ(FailureText([&] { store.ReadInteger("X"); }), "Failed to get data for 'X'");
}

TEST_F(SettingsStoreTest, CreateKeyKeepsAnExistingKeysValues) {
    registry.SetString("SERVER", "host");
    store.CreateKey(kConfigKeyPath);
    ASSERT_TRUE(registry.Value("SERVER"));
    EXPECT_EQ(registry.Value("SERVER")->data, Bytes({'h', 'o', 's', 't', 0}));
}

TEST_F(SettingsStoreTest, CreateKeyFailureNamesThePathAsPassed) {
    registry.FailOn(Op::Create, kKey);
    EXPECT_EQ(FailureText([&] { store.CreateKey(kConfigKeyPath); }),
              "Failed to create key \\Software\\Brelvik\\ZRKV2");
    EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(SettingsStoreTest, OpenKeyCreatesAMissingKeyWithParents) {
    EXPECT_TRUE(store.OpenKey(kConfigKeyPath, true));
    EXPECT_TRUE(registry.HasKey("Software\\Brelvik"));
    EXPECT_TRUE(registry.HasKey(kKey));
    EXPECT_EQ(registry.OpenKeys(), 1);
}

TEST_F(SettingsStoreTest, OpenKeyWithoutCreatingOpensWithFullAccess) {
    EXPECT_FALSE(store.OpenKey(kConfigKeyPath, false));
    EXPECT_FALSE(registry.HasKey(kKey));
    registry.SetDword("X", 1);
    EXPECT_TRUE(store.OpenKey(kConfigKeyPath, false));
    EXPECT_EQ(registry.Log().back(), "Open Software\\Brelvik\\ZRKV2 full");
}

TEST_F(SettingsStoreTest, OpenKeyReplacesTheKeyOpenedBefore) {
    Open();
    EXPECT_TRUE(store.OpenKey(kConfigKeyPath, true));
    // Always from the root, never below the key already open.
    EXPECT_EQ(registry.Log(), (Log{"Create Software\\Brelvik\\ZRKV2", "Close"}));
    EXPECT_EQ(registry.OpenKeys(), 1);
}

TEST_F(SettingsStoreTest, OpenKeyFailureGivesFalseAndKeepsTheOpenKey) {
    registry.SetDword("X", 5);
    Open();
    registry.FailOn(Op::Create, kKey);
    EXPECT_FALSE(store.OpenKey(kConfigKeyPath, true));
    EXPECT_EQ(registry.OpenKeys(), 1);
    EXPECT_EQ(store.ReadInteger("X"), 5);
}

struct Stored {
    bool present;
    uint32_t type;
    std::string bytes;
};

// One read by a store whose open key holds the value "X" as stored.
template <typename Read>
std::string FailureOfRead(const Stored& stored, Read read) {
    FakeRegistry registry;
    if (stored.present) {
        registry.SetValue("X", stored.type, stored.bytes);
    }
    SettingsStore store(registry);
    EXPECT_TRUE(store.OpenKey(kConfigKeyPath, true));
    return FailureText([&] { read(store); });
}

TEST(SettingsStoreRead, Integer) {
    const std::string getData = "Failed to get data for 'X'";
    const std::string badType = "Invalid data type for 'X'";
    const struct {
        const char* label;
        Stored stored;
        int32_t integer;
        std::string failure;
    } cases[] = {
        {"4 bytes", {true, kRegDword, Bytes({0x78, 0x56, 0x34, 0x12})}, 0x12345678, kNone},
        {"negative", {true, kRegDword, Bytes({0xEC, 0xFF, 0xFF, 0xFF})}, -20, kNone},
        {"0 bytes", {true, kRegDword, ""}, 0, kNone},
        {"2 bytes", {true, kRegDword, Bytes({0x34, 0x12})}, 0x1234, kNone},
        {"8 bytes", {true, kRegDword, Bytes({1, 0, 0, 0, 0, 0, 0, 0})}, 0, getData},
        {"missing", {false, kRegNone, ""}, 0, getData},
        {"short string", {true, kRegSz, Bytes({'1', 0})}, 0, badType},
        {"long string", {true, kRegSz, std::string("not a number") + '\0'}, 0, badType},
        {"binary", {true, kRegBinary, Bytes({1, 0, 0, 0})}, 0, badType},
        {"expand string", {true, kRegExpandSz, Bytes({'1', 0})}, 0, badType},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        int32_t read = 0;
        EXPECT_EQ(FailureOfRead(c.stored, [&](SettingsStore& s) { read = s.ReadInteger("X"); }),
                  c.failure);
        EXPECT_EQ(read, c.integer);
    }
}

TEST(SettingsStoreRead, String) {
    const std::string badType = "Invalid data type for 'X'";
    const struct {
        const char* label;
        Stored stored;
        std::string text;
        std::string failure;
    } cases[] = {
        {"text", {true, kRegSz, std::string("host.example") + '\0'}, "host.example", kNone},
        {"unexpanded", {true, kRegExpandSz, std::string("%PATH%") + '\0'}, "%PATH%", kNone},
        {"cut at zero", {true, kRegSz, Bytes({'a', 'b', 0, 'c', 'd', 0})}, "ab", kNone},
        {"no zero", {true, kRegSz, "abc"}, "abc", kNone},
        {"empty text", {true, kRegSz, Bytes({0})}, "", kNone},
        {"no data", {true, kRegSz, ""}, "", kNone},
        {"binary no data", {true, kRegBinary, ""}, "", kNone},
        {"missing", {false, kRegNone, ""}, "", kNone},
        {"dword", {true, kRegDword, Bytes({1, 0, 0, 0})}, "unread", badType},
        {"binary", {true, kRegBinary, "abc"}, "unread", badType},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::string read = "unread";
        EXPECT_EQ(FailureOfRead(c.stored, [&](SettingsStore& s) { read = s.ReadString("X"); }),
                  c.failure);
        EXPECT_EQ(read, c.text);
    }
}

TEST(SettingsStoreRead, FailuresAreRegistryFailures) {
    FakeRegistry registry;
    SettingsStore store(registry);
    EXPECT_THROW(store.ReadInteger("X"), RegistryFailure);
    EXPECT_THROW(store.WriteInteger("X", 1), RegistryFailure);
    registry.FailOn(FakeRegistry::Op::Create, kKey);
    EXPECT_THROW(store.CreateKey(kConfigKeyPath), RegistryFailure);
}

TEST_F(SettingsStoreTest, ReadsAreCaseInsensitiveLikeTheRegistry) {
    registry.SetDword("CtrlFlag1", 3);
    Open();
    EXPECT_EQ(store.ReadInteger("CTRLFLAG1"), 3);
}

struct WriteCase {
    const char* label;
    std::function<void(SettingsStore&)> write;
    uint32_t type;
    std::string bytes;
};

TEST_F(SettingsStoreTest, WritesStoreExactTypeAndBytesOverAnyOldType) {
    const WriteCase cases[] = {
        {"integer", [](SettingsStore& s) { s.WriteInteger("V", 0x01020304); }, kRegDword,
         Bytes({4, 3, 2, 1})},
        {"negative", [](SettingsStore& s) { s.WriteInteger("V", -1); }, kRegDword,
         Bytes({0xFF, 0xFF, 0xFF, 0xFF})},
        {"string", [](SettingsStore& s) { s.WriteString("V", "abc"); }, kRegSz,
         Bytes({'a', 'b', 'c', 0})},
        {"empty string", [](SettingsStore& s) { s.WriteString("V", ""); }, kRegSz, Bytes({0})},
        {"binary", [](SettingsStore& s) { s.WriteBinary("V", Bytes({'a', 0, 'b'})); }, kRegBinary,
         Bytes({'a', 0, 'b'})},
        {"empty binary", [](SettingsStore& s) { s.WriteBinary("V", ""); }, kRegBinary, ""},
    };
    const uint32_t oldTypes[] = {kRegSz, kRegDword, kRegBinary};
    for (const WriteCase& c : cases) {
        for (uint32_t oldType : oldTypes) {
            SCOPED_TRACE(std::string(c.label) + " over type " + std::to_string(oldType));
            FakeRegistry registry;
            registry.SetValue("V", oldType, "old value of eight+ bytes");
            SettingsStore store(registry);
            ASSERT_TRUE(store.OpenKey(kConfigKeyPath, true));
            c.write(store);
            ASSERT_TRUE(registry.Value("V"));
            EXPECT_EQ(registry.Value("V")->type, c.type);
            EXPECT_EQ(registry.Value("V")->data, c.bytes);
        }
    }
}

TEST_F(SettingsStoreTest, WriteFailureNamesTheValue) {
    const std::function<void(SettingsStore&)> writes[] = {
        [](SettingsStore& s) { s.WriteInteger("CTRLFLAG6", 1); },
        [](SettingsStore& s) { s.WriteString("CTRLFLAG6", "a"); },
        [](SettingsStore& s) { s.WriteBinary("CTRLFLAG6", "a"); },
    };
    Open();
    registry.FailOn(Op::Set, "CTRLFLAG6");
    for (const auto& write : writes) {
        EXPECT_EQ(FailureText([&] { write(store); }), "Failed to set data for 'CTRLFLAG6'");
    }
    EXPECT_FALSE(registry.Value("CTRLFLAG6"));
    store.WriteInteger("CTRLFLAG1", 2);  // other names still write
    EXPECT_TRUE(registry.Value("CTRLFLAG1"));
}

TEST_F(SettingsStoreTest, WithoutAnOpenKeyReadsAndWritesFail) {
    registry.SetDword("X", 1);
    registry.SetString("S", "text");
    EXPECT_EQ(FailureText([&] { store.ReadInteger("X"); }), "Failed to get data for 'X'");
    EXPECT_EQ(store.ReadString("S"), "");
    EXPECT_FALSE(store.ValueExists("X"));
    EXPECT_EQ(FailureText([&] { store.WriteInteger("X", 2); }), "Failed to set data for 'X'");
    EXPECT_EQ(FailureText([&] { store.WriteString("S", "b"); }), "Failed to set data for 'S'");
    EXPECT_EQ(FailureText([&] { store.WriteBinary("B", "b"); }), "Failed to set data for 'B'");
    EXPECT_EQ(registry.Value("X")->data, Bytes({1, 0, 0, 0}));
}

TEST_F(SettingsStoreTest, ValueExistsForAnyTypeAndSizeAndNeverFails) {
    registry.SetValue("EMPTY", kRegBinary, "");
    registry.SetValue("LONG", kRegDword, std::string(8, '\1'));
    Open();
    EXPECT_TRUE(store.ValueExists("EMPTY"));
    EXPECT_TRUE(store.ValueExists("LONG"));
    EXPECT_FALSE(store.ValueExists("MISSING"));
    registry.FailOn(Op::Query, "LONG");
    EXPECT_FALSE(store.ValueExists("LONG"));
}

TEST_F(SettingsStoreTest, CloseKeyClosesOnce) {
    Open();
    store.CloseKey();
    store.CloseKey();
    store.Release();
    EXPECT_EQ(registry.Log(), Log{"Close"});
    EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(SettingsStoreTest, ReleaseClosesAKeyStillOpen) {
    Open();
    store.Release();
    EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST(SettingsStoreLifetime, DestructionClosesTheOpenKeyAfterAFailureToo) {
    FakeRegistry registry;
    registry.FailOn(Op::Set, "CTRLFLAG1");
    try {
        SettingsStore store(registry);
        store.OpenKey(kConfigKeyPath, true);
        store.WriteInteger("CTRLFLAG0", 1);
        store.WriteInteger("CTRLFLAG1", 1);
        FAIL() << "the write of CTRLFLAG1 did not fail";
    } catch (const RegistryFailure&) {
    }
    EXPECT_EQ(registry.OpenKeys(), 0);
    EXPECT_EQ(registry.Log().back(), "Close");
    EXPECT_TRUE(registry.Value("CTRLFLAG0"));
}

TEST_F(SettingsStoreTest, SeedingWritesEveryAbsentValueInOrder) {
    Open();
    SeedValues(store);
    EXPECT_EQ(registry.Log(),
              (Log{"Query dir", "Set dir", "Query CTRLFLAG2", "Set CTRLFLAG2", "Query CTRLFLAG3",
                   "Set CTRLFLAG3", "Query INSTALL", "Set INSTALL", "Query LANGUAGE",
                   "Set LANGUAGE"}));
    EXPECT_EQ(registry.Value("dir")->type, kRegSz);
    EXPECT_EQ(registry.Value("dir")->data, Bytes({'.', '\\', 0}));
    const std::pair<const char*, int> integers[] = {
        {"CTRLFLAG2", 0}, {"CTRLFLAG3", 0}, {"INSTALL", 0}, {"LANGUAGE", 1}};
    for (const auto& [name, value] : integers) {
        EXPECT_EQ(registry.Value(name)->type, kRegDword) << name;
        EXPECT_EQ(registry.Value(name)->data, Bytes({value, 0, 0, 0})) << name;
    }
}

TEST_F(SettingsStoreTest, SeedingLeavesPresentValuesUntouched) {
    registry.SetValue("dir", kRegBinary, Bytes({9, 8}));
    registry.SetDword("LANGUAGE", 0);
    Open();
    SeedValues(store);
    EXPECT_EQ(registry.Value("dir")->type, kRegBinary);
    EXPECT_EQ(registry.Value("dir")->data, Bytes({9, 8}));
    EXPECT_EQ(registry.Value("LANGUAGE")->data, Bytes({0, 0, 0, 0}));
    EXPECT_EQ(registry.Log(),
              (Log{"Query dir", "Query CTRLFLAG2", "Set CTRLFLAG2", "Query CTRLFLAG3",
                   "Set CTRLFLAG3", "Query INSTALL", "Set INSTALL", "Query LANGUAGE"}));
}

TEST_F(SettingsStoreTest, SeedingStopsAtAFailedWrite) {
    Open();
    registry.FailOn(Op::Set, "CTRLFLAG3");
    EXPECT_EQ(FailureText([&] { SeedValues(store); }), "Failed to set data for 'CTRLFLAG3'");
    EXPECT_TRUE(registry.Value("CTRLFLAG2"));
    EXPECT_FALSE(registry.Value("INSTALL"));
}

TEST(AdjustLaunchFlag, ChangesOnlyTheOnlineModeBits) {
    struct Case {
        int32_t word;
        bool online;
        int32_t adjusted;
    };
    const Case cases[] = {
        {0, true, 0x14},  {0, false, 0},     {-1, true, -1},         {-1, false, -21},
        {0x04, true, 0x14}, {0x10, false, 0}, {0x123, false, 0x123 & ~0x14}, {0x1000, true, 0x1014},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AdjustLaunchFlag(c.word, c.online), c.adjusted)
            << c.word << (c.online ? " online" : " offline");
    }
}

}  // namespace
}  // namespace zrk
