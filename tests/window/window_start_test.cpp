// The window that cannot open: the program says why in one line and exits with 1, whatever the
// display or platform it is given, and never ends in Qt's abort.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/toolkit_start.h"

namespace quodrill {
namespace {

// A listening socket, closed when it goes; `refusing` takes each connection and closes it at
// once, as an X server does to a client it does not let in; else connections wait unanswered.
class Listener {
  public:
    Listener(int family, const void* address, socklen_t length, bool refusing)
        : socket_(::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        if (::bind(socket_, static_cast<const sockaddr*>(address), length) != 0 ||
            ::listen(socket_, 8) != 0) {
            ::close(socket_);
            socket_ = -1;
        }
        if (socket_ >= 0 && refusing) {
            refuser_ = std::thread([this] {
                pollfd waiting{socket_, POLLIN, 0};
                while (!done_) {
                    if (::poll(&waiting, 1, 50) == 1) {
                        ::close(::accept(socket_, nullptr, nullptr));
                    }
                }
            });
        }
    }
    ~Listener() {
        done_ = true;
        if (refuser_.joinable()) {
            refuser_.join();
        }
        ::close(socket_);
    }
    bool listening() const { return socket_ >= 0; }

  private:
    int socket_;
    std::atomic<bool> done_ = false;
    std::thread refuser_;
};

// An X display across the network, on TCP port 6000 + its number.
struct FakeXDisplay {
    std::string name;
    std::unique_ptr<Listener> listener;
};

FakeXDisplay fakeXDisplay(bool refusing) {
    for (int number = 90; number < 1000; ++number) {
        sockaddr_in tcp{};
        tcp.sin_family = AF_INET;
        tcp.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        tcp.sin_port = htons(static_cast<std::uint16_t>(6000 + number));
        auto listener = std::make_unique<Listener>(AF_INET, &tcp, sizeof tcp, refusing);
        if (listener->listening()) {
            return {"127.0.0.1:" + std::to_string(number), std::move(listener)};
        }
    }
    return {};
}

struct Ended {
    int status = -1;   // the exit status; 128 + the signal for a program that a signal ended
    std::string said;  // standard output and standard error
};

// Runs `program` with only the environment given (and the sanitizers' settings), and what it says.
Ended run(const std::string& program, const std::vector<std::string>& arguments,
          const std::vector<std::string>& environment) {
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) {
        return {};
    }
    std::vector<std::string> argumentTexts = {program};
    argumentTexts.insert(argumentTexts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : argumentTexts) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);
    std::vector<std::string> environmentTexts = environment;
    // The sanitizers' settings, under which the whole suite may run.
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string_view text = *variable;
        if (text.starts_with("ASAN_") || text.starts_with("LSAN_") || text.starts_with("UBSAN_")) {
            environmentTexts.emplace_back(text);
        }
    }
    std::vector<char*> envp;
    for (std::string& text : environmentTexts) {
        envp.push_back(text.data());
    }
    envp.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipe[1], STDOUT_FILENO);
        ::dup2(pipe[1], STDERR_FILENO);
        ::execve(program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(pipe[1]);
    Ended ended;
    char chunk[4096];
    for (ssize_t got; (got = ::read(pipe[0], chunk, sizeof chunk)) > 0;) {
        ended.said.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ended.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return ended;
}

const std::string kPrefix = "quodrill: cannot open the window: ";

TEST(WindowStart, SaysInOneLineWhyTheWindowCannotOpen) {
    const std::string runtime = ::testing::TempDir() + "window_start_runtime";
    std::filesystem::create_directories(runtime);
    const std::string home = "XDG_RUNTIME_DIR=" + runtime;
    const std::string test1 = QUODRILL_SOURCE_DIR "/examples/test1.txt";
    const auto expect = [&](const std::string& what, const Ended& ended, const std::string& why) {
        EXPECT_EQ(ended.status, 1) << what << ": " << ended.said;
        EXPECT_EQ(ended.said, kPrefix + why + "\n") << what;
    };

    // No display at all, through quodrill and by the window program itself.
    expect("no display", run(QUODRILL_PROGRAM, {test1}, {home}),
           "could not connect to display (DISPLAY is not set)");
    expect("the window program alone", run(QUODRILL_WINDOW_PROGRAM, {test1}, {home}),
           "could not connect to display (DISPLAY is not set)");

    // An X server that lets the program in no further than the connection; the display named
    // in Qt's own option is the one judged.
    {
        const FakeXDisplay refusing = fakeXDisplay(true);
        ASSERT_NE(refusing.listener, nullptr);
        expect("a refusing X server",
               run(QUODRILL_PROGRAM, {test1}, {home, "DISPLAY=" + refusing.name}),
               "could not connect to display " + refusing.name);
        expect("-display", run(QUODRILL_PROGRAM, {"-display", refusing.name, test1}, {home}),
               "could not connect to display " + refusing.name);
    }

    // A platform that does not exist, by option and by environment.
    const std::string bogus = R"(Could not find the Qt platform plugin "bogus" in "")";
    expect("-platform bogus", run(QUODRILL_PROGRAM, {"-platform", "bogus"}, {home}), bogus);
    expect("QT_QPA_PLATFORM", run(QUODRILL_PROGRAM, {}, {home, "QT_QPA_PLATFORM=bogus"}), bogus);

    // A Wayland socket that takes connections, where Qt may lack the Wayland plugin.
    {
        sockaddr_un wayland{};
        wayland.sun_family = AF_UNIX;
        std::strcpy(wayland.sun_path, (runtime + "/wayland-t").c_str());
        ::unlink(wayland.sun_path);
        const Listener compositor(AF_UNIX, &wayland, sizeof wayland, false);
        ASSERT_TRUE(compositor.listening());
        const Ended ended = run(QUODRILL_PROGRAM, {}, {home, "WAYLAND_DISPLAY=wayland-t"});
        EXPECT_EQ(ended.status, 1) << ended.said;
        EXPECT_TRUE(ended.said.starts_with(kPrefix)) << ended.said;
        EXPECT_EQ(ended.said.find('\n'), ended.said.size() - 1) << ended.said;
        ::unlink(wayland.sun_path);
    }

    // A display across the network that takes the connection and never answers.
    const FakeXDisplay silent = fakeXDisplay(false);
    ASSERT_NE(silent.listener, nullptr);
    expect("a silent display", run(QUODRILL_PROGRAM, {test1}, {home, "DISPLAY=" + silent.name}),
           "no answer from the window system within " + std::to_string(kToolkitAnswerSeconds) +
               " seconds");
}

}  // namespace
}  // namespace quodrill
