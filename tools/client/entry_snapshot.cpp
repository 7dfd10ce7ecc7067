#include "tools/client/entry_snapshot.h"

#include "launch/patch_plan.h"

// The block that holds the client's fixed addresses (the patch table and the
// host name field). It is uninitialised, so it takes no room in the file,
// and it is the section the linker places right after .bss: the image stays
// contiguous, the block starts low in the image and its size carries it past
// the last fixed address. The image is linked without relocations, so it
// always loads at 0x00400000 and the addresses are the same on every run.
asm(".section .zrkmem,\"bw\"\n"
    "    .balign 4096\n"
    "    .globl _zrkClientMemory\n"
    "_zrkClientMemory:\n"
    "    .space 0x2A0000\n"
    "    .globl _zrkClientMemoryEnd\n"
    "_zrkClientMemoryEnd:\n"
    "    .text\n");

extern "C" unsigned char zrkClientMemory[];
extern "C" unsigned char zrkClientMemoryEnd[];
extern "C" int WinMainCRTStartup();

namespace zrk {
namespace {

static_assert(sizeof kWindowedPatchTable / sizeof kWindowedPatchTable[0] == kPatchRows,
              "one snapshot row per patch");

// Zero in the file; filled before the C runtime starts, which must not touch
// it: a plain aggregate needs no constructor.
EntrySnapshot gSnapshot;

bool InClientMemory(uint32_t address, uint32_t length) {
    const uintptr_t begin = reinterpret_cast<uintptr_t>(zrkClientMemory);
    const uintptr_t end = reinterpret_cast<uintptr_t>(zrkClientMemoryEnd);
    return address >= begin && address <= end && length <= end - address;
}

bool CopyFromAddress(uint32_t address, uint32_t length, unsigned char* target) {
    if (!InClientMemory(address, length)) return false;
    const auto* source = reinterpret_cast<const volatile unsigned char*>(uintptr_t{address});
    for (uint32_t i = 0; i < length; ++i) target[i] = source[i];
    return true;
}

void TakeSnapshot() {
    for (size_t row = 0; row < kPatchRows; ++row) {
        const PatchEntry& patch = kWindowedPatchTable[row];
        BytesAtEntry& entry = gSnapshot.patches[row];
        entry.length = patch.length < kMaxPatchLength ? patch.length : kMaxPatchLength;
        entry.mapped = CopyFromAddress(patch.address, entry.length, entry.bytes);
    }
    gSnapshot.hostMapped = CopyFromAddress(kHostNameField, kHostFieldSnapshotSize, gSnapshot.host);
}

}  // namespace

const EntrySnapshot& SnapshotAtEntry() { return gSnapshot; }

}  // namespace zrk

// The image's entry point (linked with -e): the very first code of the
// client, before the C runtime's start-up, which it then runs.
extern "C" int zrkClientEntry() {
    zrk::TakeSnapshot();
    return WinMainCRTStartup();
}
