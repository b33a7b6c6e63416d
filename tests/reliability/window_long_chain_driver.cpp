// Runs the puzzle without a solution in the real window (offscreen) until solving stops at
// 32767 guesses, and prints the memory in use as the guess count passes a few marks, to show
// that a long chain does not grow. Not a test: it takes a few minutes of 1 ms ticks.
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "events/captions.h"
#include "tests/reliability/hard_puzzles.h"
#include "tests/support/process_memory.h"
#include "tests/support/window_inspector.h"
#include "window/form.h"
#include "window/main_window.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    quodrill::MainWindow window;
    window.show();
    auto* status = window.findChild<QLabel*>(QLatin1String(quodrill::form::lagl.name));

    quodrill::WindowOps& ops = window;
    for (int i = 0; i < 9; ++i) {
        ops.setRowText(i, quodrill::testing::kNoSolutionRows[static_cast<std::size_t>(i)]);
    }
    QElapsedTimer clock;
    clock.start();
    window.findChild<QPushButton*>(QLatin1String(quodrill::form::SB.name))->click();

    const int marks[] = {100, 1000, 10000, 20000, 32767};
    std::size_t next = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const int guesses = quodrill::WindowInspector::state(window).GuessCount;
        while (next < std::size(marks) && guesses >= marks[next]) {
            std::printf("guesses %5d  heap in use %9zu B  RSS %7ld kB  %6.1f s\n", guesses,
                        mallinfo2().uordblks, quodrill::testing::processMemoryKiB("VmRSS:"),
                        clock.elapsed() / 1000.0);
            std::fflush(stdout);
            ++next;
        }
        if (status->text().toStdString() == quodrill::captions::kStatusStopped) {
            std::printf("status: %s\n", qPrintable(status->text()));
            QApplication::quit();
        }
    });
    poll.start(50);
    return QApplication::exec();
}
