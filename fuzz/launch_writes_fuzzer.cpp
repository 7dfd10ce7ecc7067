// The host string and the memory writes of a launch for any shape of
// CTRLFLAG6 and SERVER: the launch reads them through the settings store
// and writes the patch table and the host string exactly as planned,
// nothing else and nowhere else.
//
// Input: byte 0 bit 0 online; byte 1 the size of CTRLFLAG6 (0 to 8 bytes of
// REG_DWORD, 9 and above: missing); 4 bytes CTRLFLAG1; 8 bytes from which
// CTRLFLAG6 takes its bytes; 1 byte the type of SERVER (0 missing, 1 REG_SZ,
// 2 REG_EXPAND_SZ, 3 REG_BINARY, 4 REG_DWORD); the rest SERVER's bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "config/settings_store.h"
#include "fuzz/fuzz_check.h"
#include "launch/launch_sequence.h"
#include "launch/patch_plan.h"
#include "tests/support/fake_registry.h"
#include "tests/support/memory_files.h"
#include "tests/support/written_client.h"

namespace zrk {
namespace {

struct Input {
    bool online;
    size_t flag6Size;
    std::string flag1;
    std::string flag6;
    uint32_t serverType;
    std::string server;
};

Input Parse(const std::string& bytes) {
    std::string padded = bytes;
    if (padded.size() < 15) padded.resize(15, '\0');
    Input in;
    in.online = padded[0] & 1;
    in.flag6Size = static_cast<unsigned char>(padded[1]);
    in.flag1 = padded.substr(2, 4);
    in.flag6 = padded.substr(6, 8);
    in.serverType = static_cast<unsigned char>(padded[14]) % 5;
    in.server = bytes.size() > 15 ? bytes.substr(15) : std::string();
    return in;
}

bool SameWrites(const std::vector<MemoryWrite>& a, const std::vector<MemoryWrite>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].address != b[i].address || a[i].bytes != b[i].bytes) return false;
    return true;
}

std::string Dword(uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i));
    return bytes;
}

uint32_t LittleEndian(const std::string& bytes) {
    uint32_t value = 0;
    for (size_t i = 0; i < bytes.size(); ++i)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return value;
}

std::string ExpectedHost(const Input& in, uint32_t modeWord) {
    if (!(modeWord & 2)) return DefaultHostString();
    const bool text = in.serverType == 1 || in.serverType == 2;
    if (in.serverType == 0 || in.server.empty()) return std::string(1, '\0');
    if (!text) return DefaultHostString();  // read string refused: the default stays
    return in.server.substr(0, in.server.find('\0')) + '\0';
}

void CheckPlan(const std::vector<MemoryWrite>& writes, bool windowed, bool online, const std::string& host) {
    ZRK_REQUIRE(writes.size() == (windowed ? 12u : 0u) + (online ? 1u : 0u));
    for (size_t i = 0; windowed && i < 12; ++i) {
        const PatchEntry& patch = kWindowedPatchTable[i];
        ZRK_REQUIRE(writes[i].address == patch.address);
        ZRK_REQUIRE(writes[i].bytes ==
                    std::string(reinterpret_cast<const char*>(kPatchSource) + patch.sourceOffset, patch.length));
        ZRK_REQUIRE(patch.address + patch.length <= kHostNameField);
    }
    if (online) {
        ZRK_REQUIRE(writes.back().address == kHostNameField);
        ZRK_REQUIRE(writes.back().bytes == host);
    }
}

void CheckLaunch(const Input& in) {
    FakeRegistry registry;
    registry.SetValue("CTRLFLAG1", kRegDword, in.flag1);
    if (in.flag6Size <= 8) registry.SetValue("CTRLFLAG6", kRegDword, in.flag6.substr(0, in.flag6Size));
    if (in.serverType != 0) registry.SetValue("SERVER", in.serverType, in.server);
    MemoryFiles files;
    files.Put("zrk.exe", "MZ");
    files.Put("zrkr.exe", "MZ");
    WrittenClient client;
    bool ended = false;
    LaunchServices services{registry, files, client, [] {}, [](const std::string&) {}, [&] { ended = true; },
                            "C:\\game\\", 1920, 1080};
    RunLaunchSequence(in.online ? LaunchMode::Online : LaunchMode::Offline, services);

    const uint32_t modeWord = in.flag6Size <= 4 ? LittleEndian(in.flag6.substr(0, in.flag6Size)) : 0;
    const std::string host = in.online ? ExpectedHost(in, modeWord) : std::string();
    CheckPlan(client.writes, modeWord & 1, in.online, host);
    ZRK_REQUIRE(SameWrites(client.writes, PlanClientWrites(modeWord & 1, in.online, host)));
    const int32_t flag1 = static_cast<int32_t>(LittleEndian(in.flag1));
    ZRK_REQUIRE(registry.Value("CTRLFLAG1")->data == Dword(static_cast<uint32_t>(AdjustLaunchFlag(flag1, in.online))));
    ZRK_REQUIRE(registry.OpenKeys() == 0);
    ZRK_REQUIRE(ended);
}

}  // namespace
}  // namespace zrk

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const zrk::Input in = zrk::Parse(bytes);
    const std::string custom = zrk::CustomHostString(in.server);
    ZRK_REQUIRE(custom.size() == in.server.size() + 1 && custom.back() == '\0');
    ZRK_REQUIRE(custom.compare(0, in.server.size(), in.server) == 0);
    zrk::CheckLaunch(in);
    return 0;
}
