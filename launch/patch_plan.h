#pragma once
// The bytes the launcher writes into a freshly started game client: the
// windowed-mode patches and the game server's host name. Addresses are the
// client's, fixed on every launch. Standard library only: the stand-in
// client includes this to know what to expect.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zrk {

struct MemoryWrite {
    uint32_t address;
    std::string bytes;
};

// One patch: length bytes of kPatchSource from sourceOffset, at address.
struct PatchEntry {
    uint32_t address;
    uint32_t sourceOffset;
    uint32_t length;
};

extern const unsigned char kPatchSource[17];  // 0A E9 3D 01 00 00 90 CF FC BC 7B 00 01 00 00 00 00
extern const PatchEntry kWindowedPatchTable[12];

constexpr uint32_t kHostNameField = 0x0069CB64;
extern const char kDefaultGameHost[];  // at most 16 characters
constexpr size_t kDefaultHostStringSize = 17;

// The default game host name, then NULs up to 17 bytes.
std::string DefaultHostString();

// The SERVER text and one NUL, however long the text.
std::string CustomHostString(const std::string& serverText);

// The writes for one launch, in order: the twelve patches when windowed,
// then online the host string.
std::vector<MemoryWrite> PlanClientWrites(bool windowed, bool online, const std::string& hostString);

}  // namespace zrk
