// Times the real window (run it with QT_QPA_PLATFORM=offscreen, or on a display):
//
//   quodrill_window_timing [--runs N]     from the press of Start to "Status : Complete" for each
//                                         example, against the floor its timer ticks impose
//   quodrill_window_timing --first-show   shows the window and quits at its first paint
//   quodrill_window_timing --long SECONDS a puzzle without a solution cycles for SECONDS; the
//                                         memory before, after and at its peak
//   quodrill_window_timing --bare-chain   a 1 ms one-shot timer re-armed 2000 times by its own
//                                         handler, nothing else: what Qt's event loop gives
//                                         here for the interval
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "sources/examples.h"
#include "ui/captions.h"
#include "ui/main_window.h"

namespace quodrill::bench {
namespace {

constexpr double kTickFloorMs = 1.0;  // the timers' interval

// "VmRSS" or "VmHWM" of this process, in KiB.
long memoryKiB(std::string_view field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
        }
    }
    return -1;
}

// Counts the ticks of the window's three timers.
class TickCounter {
  public:
    explicit TickCounter(MainWindow& window) {
        for (const char* name : {"TT", "Testt", "SBT"}) {
            QObject::connect(window.findChild<QTimer*>(QLatin1String(name)), &QTimer::timeout,
                             [this] { ++ticks; });
        }
    }
    long ticks = 0;
};

void showAndSettle(MainWindow& window) {
    window.show();
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents();
    }
}

// Runs the event loop until the status label shows `caption` or `limitMs` have passed.
bool waitForStatus(MainWindow& window, std::string_view caption, int limitMs) {
    QLabel* status = window.findChild<QLabel*>(QStringLiteral("lagl"));
    const QString wanted =
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (status->text() == wanted) {
            loop.quit();
        }
    });
    // Checked right after every tick of the solve timer, so the end is seen at once.
    QObject::connect(window.findChild<QTimer*>(QStringLiteral("TT")), &QTimer::timeout, &loop, [&] {
        if (status->text() == wanted) {
            loop.quit();
        }
    });
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    poll.start(50);
    loop.exec();
    return status->text() == wanted;
}

int timeExamples(int runs) {
    MainWindow window;
    showAndSettle(window);
    TickCounter counter(window);
    QPushButton* start = window.findChild<QPushButton*>(QStringLiteral("SB"));

    std::printf("%-8s %4s %8s %12s %10s %12s\n", "example", "run", "ticks", "wall ms", "floor ms",
                "wall/floor");
    std::vector<double> ratios;
    for (const ExamplePuzzle& example : kExamplePuzzles) {
        for (int run = 1; run <= runs; ++run) {
            window.setRowText(0, "");
            window.setRowText(0, example.keyword);
            const long ticksBefore = counter.ticks;
            QElapsedTimer clock;
            clock.start();
            start->click();
            if (!waitForStatus(window, captions::kStatusComplete, 600000)) {
                std::printf("%-8s %4d did not complete\n", std::string(example.keyword).c_str(),
                            run);
                continue;
            }
            const double wallMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            const long ticks = counter.ticks - ticksBefore;
            const double floorMs = static_cast<double>(ticks) * kTickFloorMs;
            ratios.push_back(wallMs / floorMs);
            std::printf("%-8s %4d %8ld %12.2f %10.0f %12.3f\n",
                        std::string(example.keyword).c_str(), run, ticks, wallMs, floorMs,
                        wallMs / floorMs);
        }
    }
    if (!ratios.empty()) {
        std::sort(ratios.begin(), ratios.end());
        std::printf("wall/floor over %zu solves: median %.3f, worst %.3f\n", ratios.size(),
                    ratios[ratios.size() / 2], ratios.back());
    }
    return 0;
}

// Quits at the first paint of the window.
class FirstPaint final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::quit();
        }
        return QObject::eventFilter(watched, event);
    }
};

int firstShow() {
    MainWindow window;
    FirstPaint quitAtFirstPaint;
    window.installEventFilter(&quitAtFirstPaint);
    window.show();
    return QCoreApplication::exec();
}

int longChain(int seconds) {
    MainWindow window;
    showAndSettle(window);
    TickCounter counter(window);
    // Cell (9, 1) can hold only a 9, which its column already holds: no solution, and the
    // chain of set-up, run, guess, run and restart goes on until it is stopped.
    const char* rows[9] = {"123456780", "000000009", "000000000", "000000000", "000000000",
                           "000000000", "000000000", "000000000", "000000000"};
    for (int i = 0; i < 9; ++i) {
        window.setRowText(i, rows[i]);
    }
    const long before = memoryKiB("VmRSS:");
    window.findChild<QPushButton*>(QStringLiteral("SB"))->click();
    waitForStatus(window, captions::kStatusComplete, seconds * 1000);
    std::printf("ticks %ld, guesses %d\n", counter.ticks, window.puzzleState().GuessCount);
    std::printf("resident memory: %ld KiB before the chain, %ld KiB after %d s, peak %ld KiB\n",
                before, memoryKiB("VmRSS:"), seconds, memoryKiB("VmHWM:"));
    return 0;
}

int bareChain() {
    constexpr long kTicks = 2000;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setInterval(1);
    long ticks = 0;
    QElapsedTimer clock;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == kTicks) {
            QCoreApplication::quit();
        } else {
            timer.start();
        }
    });
    clock.start();
    timer.start();
    QCoreApplication::exec();
    std::printf("bare 1 ms timer chain: %.3f ms per tick over %ld ticks\n",
                static_cast<double>(clock.nsecsElapsed()) / 1e6 / kTicks, kTicks);
    return 0;
}

}  // namespace
}  // namespace quodrill::bench

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "--first-show") {
        return quodrill::bench::firstShow();
    }
    if (mode == "--bare-chain") {
        return quodrill::bench::bareChain();
    }
    if (mode == "--long" && argc > 2) {
        return quodrill::bench::longChain(std::atoi(argv[2]));
    }
    const int runs = mode == "--runs" && argc > 2 ? std::atoi(argv[2]) : 3;
    return quodrill::bench::timeExamples(runs);
}
