#include "launch/patch_plan.h"

namespace zrk {

const unsigned char kPatchSource[17] = {0x0A, 0xE9, 0x3D, 0x01, 0x00, 0x00, 0x90, 0xCF, 0xFC,
                                        0xBC, 0x7B, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00};

const PatchEntry kWindowedPatchTable[12] = {
    {0x0062B7F3, 0, 1}, {0x0062BAC5, 0, 1}, {0x0062BD92, 0, 1}, {0x0062BDCC, 1, 6},
    {0x0062C82E, 7, 1}, {0x0062C833, 4, 1}, {0x006352C3, 4, 1}, {0x006352D0, 4, 1},
    {0x006352E0, 4, 1}, {0x006352F0, 4, 1}, {0x00635300, 4, 1}, {0x00635446, 8, 8},
};

const char kDefaultGameHost[] = "zrk.example.net";
static_assert(sizeof(kDefaultGameHost) <= kDefaultHostStringSize,
              "the default host string must end in at least one NUL");

std::string DefaultHostString() {
    std::string host = kDefaultGameHost;
    host.resize(kDefaultHostStringSize, '\0');
    return host;
}

std::string CustomHostString(const std::string& serverText) { return serverText + '\0'; }

std::vector<MemoryWrite> PlanClientWrites(bool windowed, bool online, const std::string& hostString) {
    std::vector<MemoryWrite> writes;
    if (windowed) {
        for (const PatchEntry& patch : kWindowedPatchTable) {
            const char* source = reinterpret_cast<const char*>(kPatchSource) + patch.sourceOffset;
            writes.push_back({patch.address, std::string(source, patch.length)});
        }
    }
    if (online) writes.push_back({kHostNameField, hostString});
    return writes;
}

}  // namespace zrk
