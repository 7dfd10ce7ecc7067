#include "launch/patch_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zrk {
namespace {

const std::string kHost("abc\0", 4);

TEST(PatchPlan, WritesDependOnWindowedAndOnline) {
    struct Case {
        bool windowed, online;
        size_t writes;
    };
    const Case cases[] = {{false, false, 0}, {true, false, 12}, {false, true, 1}, {true, true, 13}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "windowed " << c.windowed << " online " << c.online);
        const std::vector<MemoryWrite> writes = PlanClientWrites(c.windowed, c.online, kHost);
        ASSERT_EQ(writes.size(), c.writes);
        for (size_t i = 0; i + 1 < writes.size(); ++i) EXPECT_NE(writes[i].address, kHostNameField);
        if (c.online) {
            EXPECT_EQ(writes.back().address, 0x0069CB64u);
            EXPECT_EQ(writes.back().bytes, kHost);
        }
    }
}

TEST(PatchPlan, WindowedPatchesWriteTheirBytesInTableOrder) {
    struct Row {
        uint32_t address;
        std::string bytes;
    };
    const std::string zero(1, '\0');
    const Row rows[] = {
        {0x0062B7F3, "\x0A"},
        {0x0062BAC5, "\x0A"},
        {0x0062BD92, "\x0A"},
        {0x0062BDCC, std::string("\xE9\x3D\x01\x00\x00\x90", 6)},
        {0x0062C82E, "\xCF"},
        {0x0062C833, zero},
        {0x006352C3, zero},
        {0x006352D0, zero},
        {0x006352E0, zero},
        {0x006352F0, zero},
        {0x00635300, zero},
        {0x00635446, std::string("\xFC\xBC\x7B\x00\x01\x00\x00\x00", 8)},
    };
    const std::vector<MemoryWrite> writes = PlanClientWrites(true, false, kHost);
    ASSERT_EQ(writes.size(), 12u);
    for (size_t i = 0; i < writes.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(writes[i].address, rows[i].address);
        EXPECT_EQ(writes[i].bytes, rows[i].bytes);
    }
}

TEST(PatchPlan, HostStrings) {
    EXPECT_EQ(DefaultHostString(), std::string("zrk.example.net\0\0", 17));
    EXPECT_EQ(DefaultHostString().size(), kDefaultHostStringSize);
    EXPECT_EQ(CustomHostString("abc"), kHost);
    EXPECT_EQ(CustomHostString(""), std::string(1, '\0'));
}

}  // namespace
}  // namespace zrk
