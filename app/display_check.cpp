#include "app/display_check.h"

#include <cstdlib>

namespace quodrill {

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

bool displayAvailable() {
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}

std::string noDisplayMessage(const std::string& program) {
    return "quodrill: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
           "set).\n"
           "Start it from a desktop session, or on a machine without one under a virtual X "
           "server:\n"
           "    xvfb-run -a " +
           program + "\n";
}

}  // namespace quodrill
