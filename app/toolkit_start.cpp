#include "app/toolkit_start.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QByteArray>
#include <QLoggingCategory>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace quodrill {

namespace {

// A message of Qt's while it starts, kept to be passed on once it has started.
struct QtMessage {
    QtMsgType type;
    std::string category;
    std::string text;
};

// What happens while Qt starts. Qt reports through a message handler, a plain function, so the
// start keeps its record where that function finds it.
struct StartRecord {
    std::mutex mutex;
    std::condition_variable over;
    bool started = false;
    int standardError = -1;  // standard error itself, while its descriptor is the capture
    int capture = -1;        // what the libraries under Qt write to standard error meanwhile
    QtMessageHandler qtHandler = nullptr;
    std::vector<QtMessage> messages;
};

StartRecord* record = nullptr;

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

// What the capture holds; nothing when there is none.
std::string captured(int capture) {
    std::string text;
    char chunk[4096];
    ::lseek(capture, 0, SEEK_SET);
    for (ssize_t got; (got = ::read(capture, chunk, sizeof chunk)) > 0;) {
        text.append(chunk, static_cast<std::size_t>(got));
    }
    return text;
}

void writeAll(int descriptor, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(descriptor, text.data(), text.size());
        if (written <= 0) {
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Why Qt could not start, from its warnings and the lines the libraries under it wrote, in one
// line; `unknown` when they said nothing.
std::string failureReason(const StartRecord& start, const std::string& unknown) {
    std::vector<std::string> parts;
    for (const QtMessage& message : start.messages) {
        // The platform plugin's own reports, and Qt's about loading it.
        if ((message.type != QtWarningMsg && message.type != QtCriticalMsg) ||
            !message.category.starts_with("qt.qpa")) {
            continue;
        }
        std::string part = trimmed(message.text);
        // Qt names the display it could not reach; with none named, DISPLAY is not set.
        if (part.ends_with("to display")) {
            part += " (DISPLAY is not set)";
        }
        if (!part.empty()) {
            parts.push_back(part);
        }
    }
    // After the plugin's own reason, Qt's word that it could not load the plugin says nothing more.
    if (parts.size() > 1) {
        std::erase_if(parts, [](const std::string& part) {
            return part.ends_with("even though it was found.");
        });
    }
    const std::string written = captured(start.capture);
    for (std::size_t from = 0; from < written.size();) {
        const std::size_t end = std::min(written.find('\n', from), written.size());
        if (std::string line = trimmed(std::string_view(written).substr(from, end - from));
            !line.empty()) {
            parts.push_back(std::move(line));
        }
        from = end + 1;
    }
    std::string reason;
    for (const std::string& part : parts) {
        reason += (reason.empty() ? "" : "; ") + part;
    }
    return reason.empty() ? unknown : reason;
}

// Ends the program with the one line that says why the window cannot open. Called with the
// record's lock held, so that the start cannot be given up twice.
[[noreturn]] void giveUp(const std::string& reason) {
    ::dup2(record->standardError, STDERR_FILENO);
    writeAll(STDERR_FILENO, "quodrill: cannot open the window: " + reason + "\n");
    std::_Exit(1);
}

void onQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(record->mutex);
    if (type == QtFatalMsg) {
        // Qt's own words here end in a reinstall hint and the list of plugins: its first
        // sentence is kept only when nothing said more.
        const std::string fatal = text.toStdString();
        giveUp(failureReason(*record, trimmed(fatal.substr(0, fatal.find(". ")))));
    }
    record->messages.push_back(
        {type, context.category != nullptr ? context.category : "", text.toStdString()});
}

// Hands what was kept while Qt started to standard error and to Qt's own message handler.
void passOnKept(const StartRecord& start) {
    writeAll(STDERR_FILENO, captured(start.capture));
    for (const QtMessage& message : start.messages) {
        const QMessageLogger logger(nullptr, 0, nullptr, message.category.c_str());
        const QString text = QString::fromStdString(message.text);
        switch (message.type) {
            case QtDebugMsg:
                logger.debug("%s", qUtf8Printable(text));
                break;
            case QtInfoMsg:
                logger.info("%s", qUtf8Printable(text));
                break;
            case QtWarningMsg:
                logger.warning("%s", qUtf8Printable(text));
                break;
            default:
                logger.critical("%s", qUtf8Printable(text));
                break;
        }
    }
}

}  // namespace

std::unique_ptr<QApplication> startToolkit(int& argc, char** argv) {
    StartRecord start;
    record = &start;
    start.capture = ::memfd_create("quodrill-start", MFD_CLOEXEC);
    start.standardError = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (start.capture >= 0 && start.standardError >= 0) {
        ::dup2(start.capture, STDERR_FILENO);
    }
    start.qtHandler = qInstallMessageHandler(onQtMessage);
    // A display that takes the connection and never answers would hold the start for ever.
    std::thread watch([&start] {
        std::unique_lock lock(start.mutex);
        if (!start.over.wait_for(lock, std::chrono::seconds(kToolkitAnswerSeconds),
                                 [&start] { return start.started; })) {
            const std::string silence = "no answer from the window system within " +
                                        std::to_string(kToolkitAnswerSeconds) + " seconds";
            const std::string said = failureReason(start, "");
            giveUp(said.empty() ? silence : silence + "; " + said);
        }
    });

    auto application = std::make_unique<QApplication>(argc, argv);

    {
        const std::lock_guard lock(start.mutex);
        start.started = true;
    }
    start.over.notify_all();
    watch.join();
    qInstallMessageHandler(start.qtHandler);
    if (start.standardError >= 0) {
        ::dup2(start.standardError, STDERR_FILENO);
        ::close(start.standardError);
    }
    passOnKept(start);
    if (start.capture >= 0) {
        ::close(start.capture);
    }
    record = nullptr;
    return application;
}

}  // namespace quodrill
