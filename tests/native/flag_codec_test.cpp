#include "config/flag_codec.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>

namespace zrk {

void PrintTo(const PanelSettings& s, std::ostream* os) {
    *os << "{";
    for (int p : s.position) *os << p << " ";
    *os << "windowed=" << s.windowed << " custom=" << s.customServer << "}";
}

void PrintTo(const FlagWords& w, std::ostream* os) {
    *os << std::hex << "{0x" << static_cast<uint32_t>(w.ctrlFlag0) << ", 0x"
        << static_cast<uint32_t>(w.ctrlFlag1) << ", 0x" << static_cast<uint32_t>(w.ctrlFlag6) << "}";
}

namespace {

// The positions that set no bits, so a single field's bits show alone.
PanelSettings NoBits() { return {{2, 1, 1, 1, 2, 1, 1, 1, 0}, false, false}; }

PanelSettings Positions(std::initializer_list<int> positions) {
    PanelSettings s;
    int i = 0;
    for (int p : positions) s.position[i++] = p;
    return s;
}

constexpr int kWindowed = 9;
constexpr int kCustom = 10;

struct ReadBackRow {
    int field;  // 0 to 8: TrackBar1 to TrackBar9; then windowed, custom server
    int value;
    FlagWords words;
};

const ReadBackRow kReadBack[] = {
    {0, 0, {0x07C00000, 0x14, 0}}, {0, 1, {0x06000000, 0x14, 0}}, {0, 2, {0, 0x14, 0}},
    {1, 0, {0x00200002, 0x14, 0}}, {1, 1, {0, 0x14, 0}},          {1, 2, {0x08000000, 0x14, 0}},
    {2, 0, {0x00040000, 0x14, 0}}, {2, 1, {0, 0x14, 0}},          {2, 2, {0x00020000, 0x14, 0}},
    {3, 0, {0x00100000, 0x14, 0}}, {3, 1, {0, 0x14, 0}},          {3, 2, {0x00090004, 0x14, 0}},
    {4, 0, {0, 0x54, 0}},          {4, 1, {0, 0x34, 0}},          {4, 2, {0, 0x14, 0}},
    {5, 0, {0x20000000, 0x14, 0}}, {5, 1, {0, 0x14, 0}},
    {6, 0, {0x10000000, 0x14, 0}}, {6, 1, {0, 0x14, 0}},
    {7, 0, {0x40000000, 0x14, 0}}, {7, 1, {0, 0x14, 0}},
    {8, 0, {0, 0x14, 0}},          {8, 1, {0, 0x15, 0}},          {8, 2, {0, 0x16, 0}},
    {kWindowed, 0, {0, 0x14, 0}},  {kWindowed, 1, {0, 0x14, 1}},
    {kCustom, 0, {0, 0x14, 0}},    {kCustom, 1, {0, 0x14, 2}},
};

TEST(FlagCodec, EveryFieldAndPositionWritesItsBitsAndReadsBack) {
    for (const ReadBackRow& row : kReadBack) {
        SCOPED_TRACE(testing::Message() << "field " << row.field << " value " << row.value);
        PanelSettings s = NoBits();
        if (row.field == kWindowed)
            s.windowed = row.value != 0;
        else if (row.field == kCustom)
            s.customServer = row.value != 0;
        else
            s.position[row.field] = row.value;
        EXPECT_EQ(EncodePanelSettings(s), row.words);
        EXPECT_EQ(DecodeFlagWords(row.words), s);
    }
}

TEST(FlagCodec, AllZeroWordsDecodeToTheNoBitsPositions) {
    EXPECT_EQ(DecodeFlagWords({0, 0, 0}), NoBits());
}

TEST(FlagCodec, WholePanelsEncodeToKnownWords) {
    struct Case {
        PanelSettings settings;
        FlagWords words;
    };
    PanelSettings windowedAndCustom = NoBits();
    windowedAndCustom.windowed = windowedAndCustom.customServer = true;
    PanelSettings windowedAlone = NoBits();
    windowedAlone.windowed = true;
    PanelSettings customAlone = NoBits();
    customAlone.customServer = true;
    PanelSettings trackBar6OutOfRange = NoBits();
    trackBar6OutOfRange.position[5] = 2;
    const Case cases[] = {
        {Positions({0, 0, 0, 0, 0, 0, 0, 0, 0}), {0x77F40002, 0x54, 0}},
        {Positions({2, 2, 2, 2, 2, 1, 1, 1, 2}), {0x080B0004, 0x16, 0}},
        {Positions({1, 1, 1, 1, 1, 1, 1, 1, 1}), {0x06000000, 0x35, 0}},
        {windowedAndCustom, {0, 0x14, 3}},
        {windowedAlone, {0, 0x14, 1}},
        {customAlone, {0, 0x14, 2}},
        {trackBar6OutOfRange, {0, 0x14, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(EncodePanelSettings(c.settings), c.words);
}

TEST(FlagCodec, OnlyCompletePatternsDecodeToTheirPosition) {
    struct Case {
        int32_t ctrlFlag0;
        int32_t ctrlFlag1;
        int trackBar;  // 0 is TrackBar1
        int position;
    };
    const Case cases[] = {
        {0x04000000, 0, 0, 2}, {0x07C00000, 0, 0, 0}, {0x06000000, 0, 0, 1},
        {0x00000002, 0, 1, 1}, {0x00200000, 0, 1, 0}, {0x08200000, 0, 1, 1},
        {0x00090000, 0, 3, 1}, {0x00190004, 0, 3, 1}, {0x00100000, 0, 3, 0},
        {0, 0x60, 4, 2},       {0, 0x03, 8, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.ctrlFlag0 << " " << c.ctrlFlag1);
        EXPECT_EQ(DecodeFlagWords({c.ctrlFlag0, c.ctrlFlag1, 0}).position[c.trackBar], c.position);
    }
}

TEST(FlagCodec, OnlineModeBitsDoNotChangeTheDecoding) {
    EXPECT_EQ(DecodeFlagWords({0, 0x54, 0}), DecodeFlagWords({0, 0x40, 0}));
}

TEST(FlagCodec, ModeWordDecodesOnlyItsTwoBits) {
    const PanelSettings all = DecodeFlagWords({0, 0, -1});
    EXPECT_TRUE(all.windowed);
    EXPECT_TRUE(all.customServer);
    const PanelSettings four = DecodeFlagWords({0, 0, 4});
    EXPECT_FALSE(four.windowed);
    EXPECT_FALSE(four.customServer);
}

TEST(FlagCodec, LaunchesChangeOnlyTheOnlineModeBits) {
    EXPECT_EQ(SetOnlineModeBits(0), 0x14);
    EXPECT_EQ(ClearOnlineModeBits(0), 0);
    EXPECT_EQ(SetOnlineModeBits(-1), -1);
    EXPECT_EQ(ClearOnlineModeBits(-1), -21);
    EXPECT_EQ(ClearOnlineModeBits(0x55), 0x41);
    EXPECT_TRUE(HasWindowedModeBit(1));
    EXPECT_FALSE(HasWindowedModeBit(2));
    EXPECT_TRUE(HasCustomServerBit(2));
    EXPECT_FALSE(HasCustomServerBit(static_cast<int32_t>(0xFFFFFFFDu)));
}

PanelSettings RandomSettings(std::mt19937& random) {
    PanelSettings s;
    for (int i = 0; i < kTrackBarCount; ++i)
        s.position[i] = static_cast<int>(random() % static_cast<unsigned>(kTrackBarMax[i] + 1));
    s.windowed = random() % 2 != 0;
    s.customServer = random() % 2 != 0;
    return s;
}

// Half the words are noise; half are encoded panels with a few bits flipped,
// so that recognised patterns and near misses both turn up.
FlagWords RandomWords(std::mt19937& random) {
    FlagWords w = EncodePanelSettings(RandomSettings(random));
    const bool noise = random() % 2 != 0;
    int32_t* fields[] = {&w.ctrlFlag0, &w.ctrlFlag1, &w.ctrlFlag6};
    for (int32_t* field : fields) {
        const uint32_t flips = random() & random() & random();
        const uint32_t bits = noise ? random() : static_cast<uint32_t>(*field) ^ flips;
        *field = static_cast<int32_t>(bits);
    }
    return w;
}

TEST(FlagCodec, AnyWordsDecodeInRangeAndEncodingRoundTrips) {
    std::mt19937 random(20240611);
    for (int i = 0; i < 20000; ++i) {
        const FlagWords words = RandomWords(random);
        const PanelSettings decoded = DecodeFlagWords(words);
        for (int t = 0; t < kTrackBarCount; ++t) {
            ASSERT_GE(decoded.position[t], 0);
            ASSERT_LE(decoded.position[t], kTrackBarMax[t]);
        }
        ASSERT_EQ(DecodeFlagWords(EncodePanelSettings(decoded)), decoded);
        const PanelSettings settings = RandomSettings(random);
        ASSERT_EQ(DecodeFlagWords(EncodePanelSettings(settings)), settings);
    }
}

}  // namespace
}  // namespace zrk
