#include "config/flag_codec.h"

#include <algorithm>

namespace zrk {
namespace {

enum class Word { kFlag0, kFlag1 };

// How one track bar lives in its word. bits[p] is what position p sets; the
// decoder recognises a position by (bits[p] & mask), so bits outside the mask
// are written but never read back. The position that sets no bits is the
// decoder's default.
struct TrackBarCode {
    Word word;
    uint32_t mask;
    uint32_t bits[3];
};

constexpr TrackBarCode kTrackBarCodes[kTrackBarCount] = {
    {Word::kFlag0, 0x07C00000u, {0x07C00000u, 0x06000000u, 0}},
    {Word::kFlag0, 0x08200000u, {0x00200002u, 0, 0x08000000u}},
    {Word::kFlag0, 0x00060000u, {0x00040000u, 0, 0x00020000u}},
    {Word::kFlag0, 0x00190004u, {0x00100000u, 0, 0x00090004u}},
    {Word::kFlag1, 0x00000060u, {0x00000040u, 0x00000020u, 0}},
    {Word::kFlag0, 0x20000000u, {0x20000000u, 0, 0}},
    {Word::kFlag0, 0x10000000u, {0x10000000u, 0, 0}},
    {Word::kFlag0, 0x40000000u, {0x40000000u, 0, 0}},
    {Word::kFlag1, 0x00000003u, {0, 0x00000001u, 0x00000002u}},
};

// Bit work is done unsigned: the stored words are signed and bit 31 may be set.
uint32_t Bits(int32_t word) { return static_cast<uint32_t>(word); }
int32_t Word32(uint32_t bits) { return static_cast<int32_t>(bits); }

uint32_t Contribution(int trackBar, int position) {
    if (position < 0 || position > kTrackBarMax[trackBar]) return 0;
    return kTrackBarCodes[trackBar].bits[position];
}

int DecodePosition(int trackBar, uint32_t word) {
    const TrackBarCode& code = kTrackBarCodes[trackBar];
    const uint32_t masked = word & code.mask;
    int noBitsPosition = 0;
    for (int p = 0; p <= kTrackBarMax[trackBar]; ++p) {
        if (code.bits[p] == 0)
            noBitsPosition = p;
        else if (masked == (code.bits[p] & code.mask))
            return p;
    }
    return noBitsPosition;
}

}  // namespace

bool operator==(const PanelSettings& a, const PanelSettings& b) {
    return std::equal(a.position, a.position + kTrackBarCount, b.position) &&
           a.windowed == b.windowed && a.customServer == b.customServer;
}

bool operator!=(const PanelSettings& a, const PanelSettings& b) { return !(a == b); }

bool operator==(const FlagWords& a, const FlagWords& b) {
    return a.ctrlFlag0 == b.ctrlFlag0 && a.ctrlFlag1 == b.ctrlFlag1 && a.ctrlFlag6 == b.ctrlFlag6;
}

bool operator!=(const FlagWords& a, const FlagWords& b) { return !(a == b); }

FlagWords EncodePanelSettings(const PanelSettings& settings) {
    uint32_t words[2] = {0, Bits(kOnlineModeBits)};
    for (int i = 0; i < kTrackBarCount; ++i)
        words[static_cast<int>(kTrackBarCodes[i].word)] |= Contribution(i, settings.position[i]);
    uint32_t flag6 = 0;
    if (settings.customServer) flag6 |= Bits(kCustomServerBit);
    if (settings.windowed) flag6 |= Bits(kWindowedModeBit);
    return {Word32(words[0]), Word32(words[1]), Word32(flag6)};
}

PanelSettings DecodeFlagWords(const FlagWords& words) {
    const uint32_t bits[2] = {Bits(words.ctrlFlag0), Bits(words.ctrlFlag1)};
    PanelSettings settings;
    for (int i = 0; i < kTrackBarCount; ++i)
        settings.position[i] = DecodePosition(i, bits[static_cast<int>(kTrackBarCodes[i].word)]);
    settings.windowed = HasWindowedModeBit(words.ctrlFlag6);
    settings.customServer = HasCustomServerBit(words.ctrlFlag6);
    return settings;
}

int32_t SetOnlineModeBits(int32_t ctrlFlag1) {
    return Word32(Bits(ctrlFlag1) | Bits(kOnlineModeBits));
}

int32_t ClearOnlineModeBits(int32_t ctrlFlag1) {
    return Word32(Bits(ctrlFlag1) & ~Bits(kOnlineModeBits));
}

bool HasWindowedModeBit(int32_t ctrlFlag6) {
    return (Bits(ctrlFlag6) & Bits(kWindowedModeBit)) != 0;
}

bool HasCustomServerBit(int32_t ctrlFlag6) {
    return (Bits(ctrlFlag6) & Bits(kCustomServerBit)) != 0;
}

}  // namespace zrk
