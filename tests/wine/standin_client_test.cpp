// The client stand-in must be a faithful witness of what the launcher hands
// over: started suspended like the launcher may start it, written into at the
// client's fixed addresses, it reports exactly those bytes, its start-up
// record, command line, working directory and the configuration key.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "launch/patch_plan.h"
#include "tests/support/win/driver.h"

namespace zrk {
namespace {

using test::Hex;

const char kKeyPath[] = "Software\\Brelvik\\ZRKV2";

struct ConfigValue {
    const char* name;
    DWORD type;
    std::string data;  // the stored bytes
};

std::string Dword(int32_t value) { return std::string(reinterpret_cast<const char*>(&value), 4); }

struct StandinCase {
    const char* name;
    const char* exe;
    const char* arguments;
    const char* title;
    int32_t x, y, width, height;
    size_t patchRows;  // rows of the table written, from the first
    std::string host;  // written at the host name field when not empty
    std::vector<ConfigValue> configuration;
    // What the record must say.
    const char* patchesAtEntry;
    std::string hostHex;
    std::vector<std::pair<std::string, std::string>> configurationLines;
};

std::string PatchBytes(const PatchEntry& patch) {
    return std::string(reinterpret_cast<const char*>(kPatchSource) + patch.sourceOffset, patch.length);
}

// key=value lines in file order.
std::vector<std::pair<std::string, std::string>> ParseRecord(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        const size_t equals = line.find('=');
        lines.emplace_back(line.substr(0, equals),
                           equals == std::string::npos ? "<no =>" : line.substr(equals + 1));
        start = end + 1;
    }
    return lines;
}

void WriteConfiguration(const std::vector<ConfigValue>& values) {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKeyPath);
    if (values.empty()) return;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    for (const ConfigValue& value : values) {
        ASSERT_EQ(RegSetValueExA(key, value.name, 0, value.type,
                                 reinterpret_cast<const BYTE*>(value.data.data()),
                                 static_cast<DWORD>(value.data.size())),
                  ERROR_SUCCESS);
    }
    RegCloseKey(key);
}

void Write(HANDLE process, uint32_t address, const std::string& bytes) {
    SIZE_T written = 0;
    ASSERT_TRUE(WriteProcessMemory(process, reinterpret_cast<void*>(uintptr_t{address}), bytes.data(),
                                   bytes.size(), &written));
    ASSERT_EQ(written, bytes.size());
}

class StandinClientTest : public ::testing::TestWithParam<StandinCase> {
protected:
    void SetUp() override { ASSERT_TRUE(SetEnvironmentVariableA("ZRK_STANDIN_EXIT", "1")); }
    void TearDown() override {
        SetEnvironmentVariableA("ZRK_STANDIN_EXIT", nullptr);
        RegDeleteKeyA(HKEY_CURRENT_USER, kKeyPath);
    }

    // Starts the stand-in suspended, writes into it, lets it run to its end.
    void RunStandin(const StandinCase& c) {
        const std::string exe = test::BuildPath(std::string("tools/client/") + c.exe);
        ASSERT_NE(GetFileAttributesA(exe.c_str()), INVALID_FILE_ATTRIBUTES) << exe;
        commandLine = "\"" + exe + "\" " + c.arguments;
        std::string title = c.title;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.lpTitle = &title[0];
        startup.dwX = static_cast<DWORD>(c.x);
        startup.dwY = static_cast<DWORD>(c.y);
        startup.dwXSize = static_cast<DWORD>(c.width);
        startup.dwYSize = static_cast<DWORD>(c.height);
        startup.dwFlags = STARTF_USEPOSITION | STARTF_USESIZE;
        PROCESS_INFORMATION info = {};
        std::string mutableLine = commandLine;
        ASSERT_TRUE(CreateProcessA(nullptr, &mutableLine[0], nullptr, nullptr, FALSE,
                                   CREATE_SUSPENDED | NORMAL_PRIORITY_CLASS, nullptr,
                                   folder.Path().c_str(), &startup, &info));
        pid = info.dwProcessId;
        for (size_t row = 0; row < c.patchRows; ++row) {
            const PatchEntry& patch = kWindowedPatchTable[row];
            Write(info.hProcess, patch.address, PatchBytes(patch));
        }
        if (!c.host.empty()) Write(info.hProcess, kHostNameField, c.host);
        ResumeThread(info.hThread);
        ASSERT_EQ(WaitForSingleObject(info.hProcess, 20000), WAIT_OBJECT_0);
        DWORD exitCode = 1;
        GetExitCodeProcess(info.hProcess, &exitCode);
        EXPECT_EQ(exitCode, 0u);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }

    std::vector<std::pair<std::string, std::string>> ExpectedRecord(const StandinCase& c) const {
        std::vector<std::pair<std::string, std::string>> lines = {
            {"exe", c.exe},
            {"pid", std::to_string(pid)},
            {"cmdline", commandLine},
            {"cwd", folder.Path()},
            {"title", c.title},
            {"x", std::to_string(c.x)},
            {"y", std::to_string(c.y)},
            {"width", std::to_string(c.width)},
            {"height", std::to_string(c.height)},
            {"flags", "6"},
        };
        for (size_t row = 0; row < 12; ++row) {
            const PatchEntry& patch = kWindowedPatchTable[row];
            const std::string held = row < c.patchRows ? PatchBytes(patch) : std::string(patch.length, '\0');
            lines.emplace_back("patch" + std::to_string(row + 1), Hex(held));
        }
        lines.emplace_back("host", c.hostHex);
        lines.emplace_back("patches_at_entry", c.patchesAtEntry);
        lines.insert(lines.end(), c.configurationLines.begin(), c.configurationLines.end());
        lines.emplace_back("end", "1");
        return lines;
    }

    test::TempDir folder;
    std::string commandLine;
    DWORD pid = 0;
};

TEST_P(StandinClientTest, RecordsWhatItWasHandedAtItsFirstInstruction) {
    const StandinCase& c = GetParam();
    WriteConfiguration(c.configuration);
    RunStandin(c);
    const std::string record = test::ReadFileBytes(folder.File("zrk_record.txt"));
    const auto expected = ExpectedRecord(c);
    const auto actual = ParseRecord(record);
    ASSERT_EQ(actual.size(), expected.size()) << record;
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
    }
    EXPECT_EQ(GetFileAttributesA(folder.File("zrk_record.txt.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

const std::string kNoNul(4096, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, StandinClientTest,
    ::testing::Values(
        StandinCase{"AllPatchesAndHost", "zrk.exe", "-online", "Zarkenfall Online: Vesperine",
                    384, 108, 1152, 864, 12, std::string("abc\0", 4),
                    {{"CTRLFLAG0", REG_DWORD, Dword(5)},
                     {"CTRLFLAG1", REG_DWORD, Dword(-21)},
                     {"CTRLFLAG6", REG_DWORD, Dword(3)},
                     {"SERVER", REG_SZ, std::string("abc\0", 4)}},
                    "all", "61626300",
                    {{"CTRLFLAG0", "5"}, {"CTRLFLAG1", "-21"}, {"CTRLFLAG6", "3"}, {"SERVER", "abc"}}},
        StandinCase{"NothingWritten", "zrkr.exe", "-offline", "Offline title", -276, 0, 1152,
                    864, 0, "", {}, "none", "00",
                    {{"CTRLFLAG0", "missing"}, {"CTRLFLAG1", "missing"}, {"CTRLFLAG6", "missing"},
                     {"SERVER", "missing"}}},
        StandinCase{"SomeRowsAndHostWithoutNul", "zrk.exe", "-online", "T", 0, 0, 640, 480, 3,
                    kNoNul, {{"CTRLFLAG1", REG_DWORD, Dword(20)}, {"SERVER", REG_DWORD, Dword(1)}},
                    "partial", Hex(kNoNul),
                    {{"CTRLFLAG0", "missing"}, {"CTRLFLAG1", "20"}, {"CTRLFLAG6", "missing"},
                     {"SERVER", "type4"}}}),
    [](const ::testing::TestParamInfo<StandinCase>& info) { return info.param.name; });

}  // namespace
}  // namespace zrk
