// Times the real window (run it with QT_QPA_PLATFORM=offscreen, or on a display):
//
//   quodrill_window_timing [--runs N]     from the press of Start to "Status : Complete", and to
//                                         the caption's next paint, for each example, against
//                                         the floor its timer ticks impose
//   quodrill_window_timing --first-show   shows the window and quits at its first paint
//   quodrill_window_timing --long SECONDS a puzzle that guesses seldom finish cycles for SECONDS;
//                                         the memory before, after and at its peak
//   quodrill_window_timing --unfinishable from the press of Start to "Status : Stopped (no single
//                                         guess completes it)" for puzzles no guess finishes,
//                                         and the time that finding it out takes in one tick
//   quodrill_window_timing --bare-chain   a 1 ms one-shot timer re-armed 2000 times by its own
//                                         handler, nothing else: what Qt's event loop gives
//                                         here for the interval, with the system's timer slack
//                                         and with the one the window asks for
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
#include <string>
#include <string_view>
#include <vector>

#include "events/captions.h"
#include "solver/guess_outcomes.h"
#include "solver/set_up.h"
#include "solver/solve_run.h"
#include "sources/examples.h"
#include "tests/reliability/hard_puzzles.h"
#include "tests/support/process_memory.h"
#include "tests/support/window_inspector.h"
#include "window/form.h"
#include "window/main_window.h"
#include "window/rhythm.h"

namespace quodrill::bench {
namespace {

constexpr double kTickFloorMs = 1.0;  // the timers' interval

// Counts the ticks of the window's three timers.
class TickCounter {
  public:
    explicit TickCounter(MainWindow& window) {
        for (const char* name : {form::TT, form::Testt, form::SBT}) {
            QObject::connect(window.findChild<QTimer*>(QLatin1String(name)), &QTimer::timeout,
                             [this] { ++ticks; });
        }
    }
    long ticks = 0;
};

// Runs the event loop for `ms`, so that the window has drawn whatever was left to draw.
void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void showAndSettle(MainWindow& window) {
    window.show();
    settle(50);
}

// Notes the time of the first paint of a widget after `arm`.
class PaintWatch final : public QObject {
  public:
    PaintWatch(QWidget* widget, const QElapsedTimer& clock) : clock_(clock) {
        widget->installEventFilter(this);
    }
    void arm() { paintedNs = -1; }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && paintedNs < 0) {
            paintedNs = clock_.nsecsElapsed();
        }
        return QObject::eventFilter(watched, event);
    }
    qint64 paintedNs = -1;

  private:
    const QElapsedTimer& clock_;
};

// Presses Start from inside the event loop, as a user's click arrives, and runs the loop until
// the status label shows `caption` or `limitMs` have passed. `pressed` is called at the press.
template <typename Pressed>
bool pressStartAndWaitForStatus(MainWindow& window, std::string_view caption, int limitMs,
                                Pressed pressed) {
    QLabel* status = window.findChild<QLabel*>(QLatin1String(form::lagl.name));
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
    QObject::connect(window.findChild<QTimer*>(QLatin1String(form::TT)), &QTimer::timeout, &loop,
                     [&] {
                         if (status->text() == wanted) {
                             loop.quit();
                         }
                     });
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    poll.start(50);
    QTimer::singleShot(0, &loop, [&] {
        pressed();
        window.findChild<QPushButton*>(QLatin1String(form::SB.name))->click();
    });
    loop.exec();
    return status->text() == wanted;
}

int timeExamples(int runs) {
    MainWindow window;
    showAndSettle(window);
    TickCounter counter(window);

    QElapsedTimer clock;
    PaintWatch statusPaint(window.findChild<QLabel*>(QLatin1String(form::lagl.name)), clock);

    std::printf("%-8s %4s %8s %10s %10s %11s %10s %11s\n", "example", "run", "ticks", "floor ms",
                "wall ms", "wall/floor", "drawn ms", "drawn/floor");
    std::vector<double> ratios;
    std::vector<double> drawnRatios;
    for (const ExamplePuzzle& example : kExamplePuzzles) {
        for (int run = 1; run <= runs; ++run) {
            window.setRowText(0, "");
            window.setRowText(0, example.keyword);
            settle(50);  // each solve starts from a window with nothing left to draw
            const long ticksBefore = counter.ticks;
            if (!pressStartAndWaitForStatus(window, captions::kStatusComplete, 600000,
                                            [&] { clock.start(); })) {
                std::printf("%-8s %4d did not complete\n", std::string(example.keyword).c_str(),
                            run);
                continue;
            }
            const double wallMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            const long ticks = counter.ticks - ticksBefore;
            // The caption is drawn on a later turn of the event loop.
            statusPaint.arm();
            settle(50);
            const double drawnMs = static_cast<double>(statusPaint.paintedNs) / 1e6;
            const double floorMs = static_cast<double>(ticks) * kTickFloorMs;
            ratios.push_back(wallMs / floorMs);
            drawnRatios.push_back(drawnMs / floorMs);
            std::printf("%-8s %4d %8ld %10.0f %10.2f %11.3f %10.2f %11.3f\n",
                        std::string(example.keyword).c_str(), run, ticks, floorMs, wallMs,
                        wallMs / floorMs, drawnMs, drawnMs / floorMs);
        }
    }
    if (!ratios.empty()) {
        std::sort(ratios.begin(), ratios.end());
        std::sort(drawnRatios.begin(), drawnRatios.end());
        std::printf("wall/floor over %zu solves: median %.3f, worst %.3f\n", ratios.size(),
                    ratios[ratios.size() / 2], ratios.back());
        std::printf("drawn/floor over %zu solves: median %.3f, worst %.3f\n", drawnRatios.size(),
                    drawnRatios[drawnRatios.size() / 2], drawnRatios.back());
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
    // One guess in about 265 finishes it: the chain of set-up, run, guess, run and restart goes
    // on for thousands of cycles with this seed.
    window.drawGuessesFromSeed(testing::kSlowSeed);
    for (int i = 0; i < 9; ++i) {
        window.setRowText(i, testing::kSlowRows[static_cast<std::size_t>(i)]);
    }
    const long before = testing::processMemoryKiB("VmRSS:");
    pressStartAndWaitForStatus(window, captions::kStatusComplete, seconds * 1000, [] {});
    std::printf("ticks %ld, guesses %d\n", counter.ticks,
                WindowInspector::state(window).GuessCount);
    const long after = testing::processMemoryKiB("VmRSS:");
    const long peak = testing::processMemoryKiB("VmHWM:");  // read last: it includes `after`
    std::printf("resident memory: %ld KiB before the chain, %ld KiB after %d s, peak %ld KiB\n",
                before, after, seconds, peak);
    return 0;
}

class NoPasses final : public PassObserver {
  public:
    void afterPass(const PuzzleState&) override {}
};

// Milliseconds that finding out, in the tick of the guess timer, that no single guess finishes
// the stalled state of `rows` takes: every guess is run aside.
double unfinishableCheckMs(const std::array<std::string_view, 9>& rows) {
    RowTexts texts;
    for (std::size_t i = 0; i < 9; ++i) {
        texts[i] = rows[i];
    }
    PuzzleState stalled;
    setUpFromRows(stalled, texts);
    NoPasses none;
    RunSolvePasses(stalled, none);
    QElapsedTimer clock;
    clock.start();
    GuessOutcomes outcomes;
    outcomes.startFor(stalled);
    const bool finishes = outcomes.someGuessFinishes();
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    return finishes ? -1 : ms;
}

int timeUnfinishable() {
    // No solution; the empty grid, where every cell keeps nine candidates; a puzzle with one
    // solution that needs more than one guess; and one whose completions a plain search could not
    // count.
    const std::array<std::string_view, 9> empty = {"000000000", "000000000", "000000000",
                                                   "000000000", "000000000", "000000000",
                                                   "000000000", "000000000", "000000000"};
    const std::pair<const char*, std::array<std::string_view, 9>> puzzles[] = {
        {"no solution", testing::kNoSolutionRows},
        {"empty grid", empty},
        {"very hard", testing::kVeryHardRows},
        {"few digits", testing::kUncountedRows}};
    MainWindow window;
    showAndSettle(window);
    std::printf("%-12s %16s %22s\n", "puzzle", "Start to stop ms", "check in one tick ms");
    for (const auto& [name, rows] : puzzles) {
        for (int i = 0; i < 9; ++i) {
            window.setRowText(i, rows[static_cast<std::size_t>(i)]);
        }
        settle(50);
        QElapsedTimer clock;
        const bool stopped = pressStartAndWaitForStatus(window, captions::kStatusNoGuessFinishes,
                                                        60000, [&] { clock.start(); });
        const double wallMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        const QByteArray shown = stopped ? QByteArray::number(wallMs, 'f', 1) : "did not stop";
        std::printf("%-12s %16s %22.2f\n", name, shown.constData(), unfinishableCheckMs(rows));
    }
    return 0;
}

// Milliseconds per tick of a 1 ms one-shot timer that its own handler arms again.
double bareChainTick() {
    constexpr long kTicks = 2000;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setInterval(1);
    long ticks = 0;
    QEventLoop loop;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == kTicks) {
            loop.quit();
        } else {
            timer.start();
        }
    });
    QElapsedTimer clock;
    clock.start();
    timer.start();
    loop.exec();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6 / kTicks;
}

int bareChain() {
    std::printf("bare 1 ms timer chain, system's timer slack: %.3f ms per tick\n", bareChainTick());
    rhythm::wakeOnTime();
    std::printf("bare 1 ms timer chain, the window's timer slack: %.3f ms per tick\n",
                bareChainTick());
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
    if (mode == "--unfinishable") {
        return quodrill::bench::timeUnfinishable();
    }
    if (mode == "--long" && argc > 2) {
        return quodrill::bench::longChain(std::atoi(argv[2]));
    }
    const int runs = mode == "--runs" && argc > 2 ? std::atoi(argv[2]) : 3;
    return quodrill::bench::timeExamples(runs);
}
