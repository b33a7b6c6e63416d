// The real window's drawing while the solver ticks: at most once a display frame, the newest grid
// and caption drawn once it stops, and no delay at all while the solver is idle.
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "events/captions.h"
#include "solver/random_source.h"
#include "tests/reliability/hard_puzzles.h"
#include "tests/window/window_controls.h"
#include "window/form.h"
#include "window/frame_pacer.h"
#include "window/main_window.h"
#include "window/rhythm.h"

namespace quodrill {
namespace {

// Counts the paints of one widget and notes the caption it was drawn with last.
class PaintCounter final : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) : widget_(widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::Paint) {
            ++paints;
            if (auto* label = qobject_cast<QLabel*>(widget_)) {
                drawnCaption = label->text();
            }
        }
        return QObject::eventFilter(watched, event);
    }
    int paints = 0;
    QString drawnCaption;

  private:
    QWidget* widget_;
};

// Runs the event loop for `ms` without the pauses of QTest::qWait, so timers tick as they would.
void runEventLoopFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

class FramePacingTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<MainWindow> window;

    template <typename W>
    W* control(const char* name) const {
        return findControl<W>(*window, name);
    }
    template <typename W>
    W* control(const form::Control& on) const {
        return findControl<W>(*window, on);
    }
    bool solverTicking() const {
        return control<QTimer>(form::TT)->isActive() || control<QTimer>(form::Testt)->isActive() ||
               control<QTimer>(form::SBT)->isActive();
    }

  private slots:
    void init() {
        window = std::make_unique<MainWindow>(std::make_unique<SeededRandom>(testing::kSlowSeed));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTest::qWait(50);  // the first paints are over
    }
    void cleanup() { window.reset(); }

    void drawsAtMostOnceAFrameWhileTheSolverTicks() {
        // With this seed the chain of runs, guesses and restarts goes on for 2063 cycles, and
        // every guess changes the repeat count.
        for (int i = 0; i < 9; ++i) {
            window->setRowText(i, testing::kSlowRows[static_cast<std::size_t>(i)]);
        }
        QTest::qWait(50);
        PaintCounter field(control<QPlainTextEdit>(form::label2)->viewport());
        PaintCounter repeatCount(control<QLabel>(form::RC));
        long ticks = 0;
        for (const char* name : {form::TT, form::Testt, form::SBT}) {
            connect(control<QTimer>(name), &QTimer::timeout, this, [&ticks] { ++ticks; });
        }

        QElapsedTimer clock;
        clock.start();
        control<QPushButton>(form::SB)->click();
        runEventLoopFor(600);
        const qint64 elapsedMs = clock.elapsed();
        QVERIFY(solverTicking());

        // A frame lasts 16 ms; Qt may end a coarse timer up to 5 % early.
        const qint64 mostFrames = elapsedMs / (rhythm::kFrameMs * 95 / 100) + 2;
        QVERIFY2(field.paints <= mostFrames,
                 qPrintable(QStringLiteral("%1 paints of the field in %2 ms, %3 ticks")
                                .arg(field.paints)
                                .arg(elapsedMs)
                                .arg(ticks)));
        QVERIFY2(repeatCount.paints <= mostFrames, qPrintable(QString::number(repeatCount.paints)));
        QVERIFY2(field.paints >= 1, "the field was never drawn while the solver ticked");
        QVERIFY(ticks > 0);
    }

    void drawsTheLastGridAndCaptionOnceTheSolverStops() {
        PaintCounter status(control<QLabel>(form::lagl));
        window->setRowText(0, "test9");  // needs guesses: many ticks
        control<QPushButton>(form::SB)->click();
        QTRY_COMPARE_WITH_TIMEOUT(control<QLabel>(form::lagl)->text(), q(captions::kStatusComplete),
                                  120000);
        QVERIFY(!solverTicking());

        // The solved grid and the caption are drawn once the solver has stopped.
        QTRY_COMPARE_WITH_TIMEOUT(status.drawnCaption, q(captions::kStatusComplete), 5000);
        const QStringList lines = control<QPlainTextEdit>(form::label2)->toPlainText().split('\n');
        QCOMPARE(lines.size(), 10);
        for (int r = 0; r < 9; ++r) {
            QVERIFY2(lines[r].size() == 9 && !lines[r].contains(QLatin1Char('0')),
                     qPrintable(lines[r]));
        }
    }

    void drawsAtOnceWhileTheSolverIsIdle() {
        QLineEdit* box = control<QLineEdit>(form::T[0].name);
        PaintCounter counter(box);
        QTest::keyClicks(box, QStringLiteral("1"));
        QVERIFY(!solverTicking());
        QCoreApplication::processEvents();  // one turn of the event loop, no waiting
        QVERIFY(counter.paints >= 1);
    }
};

}  // namespace quodrill

QTEST_MAIN(quodrill::FramePacingTest)
#include "frame_pacing_test.moc"
