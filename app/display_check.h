// Tells, before Qt is started, whether there is a display to show the window on, and what to
// say when there is none.
#pragma once

#include <optional>
#include <string>

namespace quodrill {

// A display is there when DISPLAY or WAYLAND_DISPLAY is set, or QT_QPA_PLATFORM names a platform.
bool displayAvailable();

// The message for a start without a display, naming the program as it was started.
std::string noDisplayMessage(const std::string& program);

}  // namespace quodrill
