#include "app/display_check.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace quodrill {

namespace {

// How long a display across the network may take to accept a connection.
constexpr int kConnectTimeoutMs = 3000;
constexpr int kFirstXPort = 6000;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Whether a stream socket of `family` connects to `address`; a listener with a full queue counts.
bool connects(int family, const sockaddr* address, socklen_t length) {
    const int socket = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0) {
        return false;
    }
    bool connected = ::connect(socket, address, length) == 0 || errno == EAGAIN;
    if (!connected && errno == EINPROGRESS) {
        pollfd waiting{socket, POLLOUT, 0};
        int error = 0;
        socklen_t size = sizeof error;
        connected = ::poll(&waiting, 1, kConnectTimeoutMs) == 1 &&
                    ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }
    ::close(socket);
    return connected;
}

// A local socket by its file name, or by the same name in the abstract namespace.
bool connectsLocally(const std::string& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t start = abstract ? 1 : 0;  // an abstract name starts with a NUL
    if (path.empty() || start + path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path + start, path.data(), path.size());
    const auto length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + start + path.size());
    return connects(AF_UNIX, reinterpret_cast<const sockaddr*>(&address), length);
}

bool connectsOverNetwork(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        return false;
    }
    bool reached = false;
    for (const addrinfo* address = found; address != nullptr && !reached;
         address = address->ai_next) {
        reached = connects(address->ai_family, address->ai_addr, address->ai_addrlen);
    }
    ::freeaddrinfo(found);
    return reached;
}

// An X display name, [protocol/][host]:number[.screen], read as the X client library reads it:
// the local socket of that number when the host is empty or "unix", else TCP port 6000 + number.
bool xDisplayAnswers(std::string_view name) {
    std::string_view protocol;
    if (const std::size_t slash = name.rfind('/'); slash != std::string_view::npos) {
        protocol = name.substr(0, slash);
        name.remove_prefix(slash + 1);
    }
    const std::size_t colon = name.rfind(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    const std::string_view host = name.substr(0, colon);
    std::string_view digits = name.substr(colon + 1);
    digits = digits.substr(0, digits.find('.'));
    int number = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        number < 0 || number > 65535 - kFirstXPort) {
        return false;
    }
    if (protocol != "unix" && !host.empty() && host != "unix") {
        return connectsOverNetwork(std::string(host), kFirstXPort + number);
    }
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
    return connectsLocally(socket, true) || connectsLocally(socket, false);
}

// Why X cannot be used, or an empty text when it can.
std::string xProblem(const DisplayRequest& request) {
    if (request.xDisplay.empty()) {
        return "DISPLAY is not set";
    }
    if (xDisplayAnswers(request.xDisplay)) {
        return {};
    }
    return "the X display " + request.xDisplay + " cannot be reached";
}

// Why Wayland cannot be used, or an empty text when it can: WAYLAND_DISPLAY is a socket in
// XDG_RUNTIME_DIR, or a socket's absolute path.
std::string waylandProblem(const DisplayRequest& request) {
    const std::string& name = request.waylandDisplay;
    if (name.empty()) {
        return "WAYLAND_DISPLAY is not set";
    }
    std::string path = name;
    if (name.front() != '/') {
        path = request.runtimeDir.empty() ? "" : request.runtimeDir + "/" + name;
    }
    if (connectsLocally(path, false)) {
        return {};
    }
    return "the Wayland display " + name + " cannot be reached";
}

enum class Platform { X, Wayland, Other };

// One entry of a platform list such as "wayland;xcb", options after a colon.
Platform platformOf(std::string_view entry) {
    const std::string_view name = entry.substr(0, entry.find(':'));
    if (name == "xcb") {
        return Platform::X;
    }
    return name.starts_with("wayland") ? Platform::Wayland : Platform::Other;
}

}  // namespace

DisplayRequest displayRequest(const std::string& platformOption, const std::string& displayOption) {
    DisplayRequest request;
    request.platform = platformOption.empty() ? environment("QT_QPA_PLATFORM") : platformOption;
    request.xDisplay = displayOption.empty() ? environment("DISPLAY") : displayOption;
    request.waylandDisplay = environment("WAYLAND_DISPLAY");
    request.runtimeDir = environment("XDG_RUNTIME_DIR");
    return request;
}

std::optional<std::string> missingDisplay(const DisplayRequest& request) {
    std::vector<Platform> platforms;
    if (request.platform.empty()) {
        if (request.xDisplay.empty() && request.waylandDisplay.empty()) {
            return "neither DISPLAY nor WAYLAND_DISPLAY is set";
        }
        platforms = {Platform::X, Platform::Wayland};
    } else {
        std::string_view list = request.platform;
        while (!list.empty()) {
            const std::size_t end = std::min(list.find(';'), list.size());
            if (end > 0) {
                platforms.push_back(platformOf(list.substr(0, end)));
            }
            list.remove_prefix(std::min(end + 1, list.size()));
        }
    }
    std::string reasons;
    for (const Platform platform : platforms) {
        if (platform == Platform::Other) {
            return std::nullopt;
        }
        const std::string problem =
            platform == Platform::X ? xProblem(request) : waylandProblem(request);
        if (problem.empty()) {
            return std::nullopt;
        }
        if (reasons.find(problem) == std::string::npos) {
            reasons += (reasons.empty() ? "" : ", and ") + problem;
        }
    }
    if (reasons.empty()) {
        return std::nullopt;  // a list of no platform: Qt's own choice
    }
    return reasons;
}

std::string noDisplayMessage(const std::string& program, const std::string& reason) {
    return "quodrill: no display to show the window on (" + reason +
           ").\n"
           "Start it from a desktop session, or on a machine without one under a virtual X "
           "server:\n"
           "    xvfb-run -a " +
           program + "\n";
}

}  // namespace quodrill
