#include "launch/geometry.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

TEST(Geometry, ClientWindowIsFourFifthsHighFourByThreeAndCentred) {
    struct Case {
        int32_t desktopWidth, desktopHeight;
        int32_t x, y, width, height;
    };
    const Case cases[] = {
        {1920, 1080, 384, 108, 1152, 864},
        {1024, 768, 102, 76, 820, 615},
        {1280, 1024, 93, 102, 1093, 820},
        {1366, 768, 273, 76, 820, 615},
        {2560, 1440, 512, 144, 1536, 1152},
        {600, 1080, -276, 108, 1152, 864},
        {601, 1080, -275, 108, 1152, 864},  // -551 / 2 truncates toward zero
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.desktopWidth << "x" << c.desktopHeight);
        const WindowRect r = ClientWindowRect(c.desktopWidth, c.desktopHeight);
        EXPECT_EQ(r.x, c.x);
        EXPECT_EQ(r.y, c.y);
        EXPECT_EQ(r.width, c.width);
        EXPECT_EQ(r.height, c.height);
    }
}

}  // namespace
}  // namespace zrk
