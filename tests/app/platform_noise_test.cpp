#include "platform_noise.h"

#include <gtest/gtest.h>

namespace dravik::test {
namespace {

// What the offscreen platform reports about itself is dropped; anything
// else, a file problem or a category of the program's own, is not.
TEST(PlatformNoise, OnlyThePlatformsOwnReportsAreDropped) {
    const struct {
        const char* category;
        const char* text;
        bool dropped;
    } cases[] = {
        {"default", "This plugin does not support propagateSizeHints()", true},
        {"default", "This plugin does not support raise()", true},
        {"default", "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-root'", true},
        {"qt.qpa.xcb", "could not connect to display", true},
        {"qt.qpa.fonts", "Unable to enumerate family", true},
        {nullptr, "This plugin does not support setParent!", true},
        {"default", "QStandardPaths: wrong permissions on runtime directory /run/user/0", false},
        {"default", "Cannot open the catalogue Stal.dat", false},
        {"qt.qpainter", "Painter not active", false},
        {"dravik.catalogues", "This plugin does not support the message a category of our own writes", false},
        {nullptr, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isOffscreenPlatformNoise(c.category, QString::fromUtf8(c.text)), c.dropped);
    }
}

}  // namespace
}  // namespace dravik::test
