// The settings codec over any three flag words and any positions: every
// word decodes within the track bars' ranges, decode-encode-decode is
// stable, and encoding touches only the bits the layout gives it.
//
// Input: 12 bytes for CTRLFLAG0, CTRLFLAG1, CTRLFLAG6 (least significant
// byte first), 9 signed bytes of positions, 1 byte of flags; missing bytes
// count as 0.

#include <cstddef>
#include <cstdint>

#include "config/flag_codec.h"
#include "fuzz/fuzz_check.h"

namespace zrk {
namespace {

// Bits some position of some control can set.
constexpr uint32_t kFlag0Bits = 0x7FFF0006u;
constexpr uint32_t kFlag1Bits = 0x77u;
constexpr uint32_t kFlag6Bits = 0x3u;
const int kNoBitsPosition[kTrackBarCount] = {2, 1, 1, 1, 2, 1, 1, 1, 0};

struct Input {
    explicit Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    int32_t Word() {
        uint32_t word = 0;
        for (int i = 0; i < 4; ++i) word |= static_cast<uint32_t>(Byte()) << (8 * i);
        return static_cast<int32_t>(word);
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

void CheckDecode(const FlagWords& words) {
    const PanelSettings decoded = DecodeFlagWords(words);
    for (int t = 0; t < kTrackBarCount; ++t)
        ZRK_REQUIRE(decoded.position[t] >= 0 && decoded.position[t] <= kTrackBarMax[t]);
    ZRK_REQUIRE(decoded.windowed == ((words.ctrlFlag6 & 1) != 0));
    ZRK_REQUIRE(decoded.customServer == ((words.ctrlFlag6 & 2) != 0));
    ZRK_REQUIRE(DecodeFlagWords(EncodePanelSettings(decoded)) == decoded);
    // The launches' change of the online-mode bits never changes what is shown.
    ZRK_REQUIRE(DecodeFlagWords({words.ctrlFlag0, SetOnlineModeBits(words.ctrlFlag1), words.ctrlFlag6}) ==
                decoded);
    ZRK_REQUIRE(DecodeFlagWords({words.ctrlFlag0, ClearOnlineModeBits(words.ctrlFlag1), words.ctrlFlag6}) ==
                decoded);
    ZRK_REQUIRE((static_cast<uint32_t>(SetOnlineModeBits(words.ctrlFlag1)) ^
                 static_cast<uint32_t>(words.ctrlFlag1)) == (~static_cast<uint32_t>(words.ctrlFlag1) & 0x14u));
    ZRK_REQUIRE((static_cast<uint32_t>(ClearOnlineModeBits(words.ctrlFlag1)) ^
                 static_cast<uint32_t>(words.ctrlFlag1)) == (static_cast<uint32_t>(words.ctrlFlag1) & 0x14u));
}

void CheckEncode(const PanelSettings& settings) {
    const FlagWords words = EncodePanelSettings(settings);
    ZRK_REQUIRE((static_cast<uint32_t>(words.ctrlFlag0) & ~kFlag0Bits) == 0);
    ZRK_REQUIRE((static_cast<uint32_t>(words.ctrlFlag1) & ~kFlag1Bits) == 0);
    ZRK_REQUIRE((words.ctrlFlag1 & kOnlineModeBits) == kOnlineModeBits);
    ZRK_REQUIRE((static_cast<uint32_t>(words.ctrlFlag6) & ~kFlag6Bits) == 0);
    const PanelSettings back = DecodeFlagWords(words);
    for (int t = 0; t < kTrackBarCount; ++t) {
        const int p = settings.position[t];
        const bool inRange = p >= 0 && p <= kTrackBarMax[t];
        ZRK_REQUIRE(back.position[t] == (inRange ? p : kNoBitsPosition[t]));
    }
    ZRK_REQUIRE(back.windowed == settings.windowed && back.customServer == settings.customServer);
}

}  // namespace
}  // namespace zrk

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zrk::Input input(data, size);
    zrk::FlagWords words;
    words.ctrlFlag0 = input.Word();
    words.ctrlFlag1 = input.Word();
    words.ctrlFlag6 = input.Word();
    zrk::PanelSettings settings;
    for (int& position : settings.position) position = static_cast<int8_t>(input.Byte());
    const uint8_t flags = input.Byte();
    settings.windowed = flags & 1;
    settings.customServer = flags & 2;
    zrk::CheckDecode(words);
    zrk::CheckEncode(settings);
    return 0;
}
