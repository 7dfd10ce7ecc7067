#pragma once
// What the client's fixed addresses held when its first instruction ran,
// that is, after the launcher's writes into the suspended process and
// before any of the client's own start-up code.

#include <cstddef>
#include <cstdint>

namespace zrk {

constexpr size_t kPatchRows = 12;
constexpr size_t kMaxPatchLength = 16;
constexpr size_t kHostFieldSnapshotSize = 4096;

struct BytesAtEntry {
    bool mapped;  // false: the address lies outside the client's fixed memory
    uint32_t length;
    unsigned char bytes[kMaxPatchLength];
};

struct EntrySnapshot {
    BytesAtEntry patches[kPatchRows];
    bool hostMapped;
    unsigned char host[kHostFieldSnapshotSize];
};

const EntrySnapshot& SnapshotAtEntry();

}  // namespace zrk
