// The start-up check for a display.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "app/display_check.h"

namespace quodrill {
namespace {

// A listening socket, closed when it goes.
struct Listener {
    int socket = -1;
    Listener(int family, const void* address, socklen_t length)
        : socket(::socket(family, SOCK_STREAM, 0)) {
        if (::bind(socket, static_cast<const sockaddr*>(address), length) != 0 ||
            ::listen(socket, 1) != 0) {
            ::close(socket);
            socket = -1;
        }
    }
    ~Listener() { ::close(socket); }
};

DisplayRequest asking(std::string platform, std::string x, std::string wayland = "",
                      std::string runtime = "") {
    return {std::move(platform), std::move(x), std::move(wayland), std::move(runtime)};
}

TEST(DisplayCheck, ADisplayCountsOnlyWhenItAcceptsAConnection) {
    EXPECT_EQ(missingDisplay({}), "neither DISPLAY nor WAYLAND_DISPLAY is set");
    EXPECT_EQ(missingDisplay(asking("offscreen", "")), std::nullopt);

    // A Wayland socket in the runtime folder, and an X display on the abstract socket of a
    // number that no X server has taken (the only way to serve a local X display in a test).
    const std::filesystem::path runtime = ::testing::TempDir() + "display_check_runtime";
    std::filesystem::create_directories(runtime);
    sockaddr_un wayland{};
    wayland.sun_family = AF_UNIX;
    std::strcpy(wayland.sun_path, (runtime / "wayland-t").c_str());
    ::unlink(wayland.sun_path);
    int number = 90;
    std::unique_ptr<Listener> x;
    for (; number < 200; ++number) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string name = "/tmp/.X11-unix/X" + std::to_string(number);
        std::strcpy(address.sun_path + 1, name.c_str());
        x = std::make_unique<Listener>(
            AF_UNIX, &address, socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size()));
        if (x->socket >= 0 && !std::filesystem::exists(name)) {
            break;
        }
    }
    ASSERT_TRUE(x != nullptr && x->socket >= 0);
    const DisplayRequest both =
        asking("", ":" + std::to_string(number) + ".0", "wayland-t", runtime.string());
    {
        const Listener compositor(AF_UNIX, &wayland, sizeof wayland);
        ASSERT_GE(compositor.socket, 0);
        EXPECT_EQ(missingDisplay(asking("wayland", "", wayland.sun_path)), std::nullopt);
        EXPECT_EQ(missingDisplay(asking("xcb;wayland-egl:x=1", "", "wayland-t", runtime.string())),
                  std::nullopt);
        EXPECT_EQ(missingDisplay(asking("xcb", both.xDisplay)), std::nullopt);
        EXPECT_EQ(missingDisplay(asking("xcb", "unix/" + both.xDisplay)), std::nullopt);
    }
    ::unlink(wayland.sun_path);
    EXPECT_EQ(missingDisplay(both), std::nullopt) << "X alone";
    x.reset();
    EXPECT_EQ(missingDisplay(both), "the X display " + both.xDisplay +
                                        " cannot be reached, and the Wayland display wayland-t "
                                        "cannot be reached");
    EXPECT_EQ(missingDisplay(asking("xcb", "", "wayland-t")), "DISPLAY is not set");

    // An X display across the network listens on TCP port 6000 + its number.
    sockaddr_in tcp{};
    tcp.sin_family = AF_INET;
    tcp.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::unique_ptr<Listener> server;
    for (number = 50; number < 1000 && (server == nullptr || server->socket < 0); ++number) {
        tcp.sin_port = htons(static_cast<std::uint16_t>(6000 + number));
        server = std::make_unique<Listener>(AF_INET, &tcp, sizeof tcp);
    }
    ASSERT_GE(server->socket, 0);
    EXPECT_EQ(missingDisplay(asking("", "127.0.0.1:" + std::to_string(number - 1))), std::nullopt);

    const std::string message = noDisplayMessage("build/app/quodrill", "DISPLAY is not set");
    EXPECT_NE(message.find("no display to show the window on (DISPLAY is not set)"),
              std::string::npos);
    EXPECT_NE(message.find("xvfb-run -a build/app/quodrill"), std::string::npos);
}

}  // namespace
}  // namespace quodrill
