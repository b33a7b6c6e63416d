// Tells, before the window toolkit is started, whether there is a display to show the window on,
// by connecting to it, and what to say when there is none. Uses no window toolkit.
#pragma once

#include <optional>
#include <string>

namespace quodrill {

// The display the window is asked to show on.
struct DisplayRequest {
    std::string platform;        // Qt's -platform option, else QT_QPA_PLATFORM; empty: Qt's own
    std::string xDisplay;        // Qt's -display option, else DISPLAY
    std::string waylandDisplay;  // WAYLAND_DISPLAY
    std::string runtimeDir;      // XDG_RUNTIME_DIR, where a relative WAYLAND_DISPLAY lies
};

// The request made by the environment and by Qt's options -platform and -display (empty when not
// given).
DisplayRequest displayRequest(const std::string& platformOption, const std::string& displayOption);

// Why the window cannot be shown: the display is not set or cannot be reached. Nothing when one
// of the displays the request names accepts a connection, or when it names a platform other than
// X and Wayland (offscreen, minimal, ...), which Qt is left to judge.
std::optional<std::string> missingDisplay(const DisplayRequest& request);

// The message for a start without a display, with the reason, naming the program as it was
// started.
std::string noDisplayMessage(const std::string& program, const std::string& reason);

}  // namespace quodrill
