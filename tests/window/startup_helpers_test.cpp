// The start-up check for a display.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/display_check.h"

namespace quodrill {
namespace {

TEST(DisplayCheck, NeedsOneOfTheDisplayVariables) {
    const char* names[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    for (const char* name : names) {
        ::unsetenv(name);
    }
    EXPECT_FALSE(displayAvailable());
    for (const char* name : names) {
        SCOPED_TRACE(name);
        ::setenv(name, "", 1);
        EXPECT_FALSE(displayAvailable()) << "an empty value is no display";
        ::setenv(name, "x", 1);
        EXPECT_TRUE(displayAvailable());
        ::unsetenv(name);
    }
    const std::string message = noDisplayMessage("build/app/quodrill");
    EXPECT_NE(message.find("no display"), std::string::npos);
    EXPECT_NE(message.find("xvfb-run -a build/app/quodrill"), std::string::npos);
}

}  // namespace
}  // namespace quodrill
