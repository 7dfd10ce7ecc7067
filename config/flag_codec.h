#pragma once
// The settings panel's nine track bars, its windowed check box and the
// custom-server choice, as the game client keeps them: bits in the flag
// words CTRLFLAG0, CTRLFLAG1 and CTRLFLAG6.

#include <cstdint>

namespace zrk {

constexpr int kTrackBarCount = 9;

// Right-end position of TrackBar1 to TrackBar9; the left end is always 0.
inline constexpr int kTrackBarMax[kTrackBarCount] = {2, 2, 2, 2, 2, 1, 1, 1, 2};

// Bit 0 of CTRLFLAG6.
constexpr int32_t kWindowedModeBit = 0x1;
// Bit 1 of CTRLFLAG6: the server box held a text other than the built-in server.
constexpr int32_t kCustomServerBit = 0x2;
// Bits 2 and 4 of CTRLFLAG1: set by every save and by the online launch,
// cleared by the offline launch.
constexpr int32_t kOnlineModeBits = 0x14;

struct PanelSettings {
    int position[kTrackBarCount] = {};  // position[0] is TrackBar1
    bool windowed = false;
    bool customServer = false;
};

struct FlagWords {
    int32_t ctrlFlag0 = 0;
    int32_t ctrlFlag1 = 0;
    int32_t ctrlFlag6 = 0;
};

bool operator==(const PanelSettings& a, const PanelSettings& b);
bool operator!=(const PanelSettings& a, const PanelSettings& b);
bool operator==(const FlagWords& a, const FlagWords& b);
bool operator!=(const FlagWords& a, const FlagWords& b);

// Whole words: a bit that no control sets is 0. A position outside its
// track bar's range contributes no bits.
FlagWords EncodePanelSettings(const PanelSettings& settings);

// Any three words decode; every position lands within its track bar's range.
PanelSettings DecodeFlagWords(const FlagWords& words);

int32_t SetOnlineModeBits(int32_t ctrlFlag1);
int32_t ClearOnlineModeBits(int32_t ctrlFlag1);
bool HasWindowedModeBit(int32_t ctrlFlag6);
bool HasCustomServerBit(int32_t ctrlFlag6);

}  // namespace zrk
