// The real window under the offscreen platform: its controls at start, typing, Start through the
// event loop, the warning message, the timers and a load through the real file dialog.
#include "window/main_window.h"
#include "tests/support/window_inspector.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "events/captions.h"
#include "sources/examples.h"
#include "tests/reliability/hard_puzzles.h"
#include "tests/window/window_controls.h"
#include "window/form.h"

namespace quodrill {
namespace {

constexpr int kSolveTimeoutMs = 120000;

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A full valid grid, row by row; `blank` cells (row-major index) are "0".
QStringList solvedRows(std::initializer_list<int> blank = {}) {
    QStringList rows;
    for (int r = 0; r < 9; ++r) {
        QString row;
        for (int c = 0; c < 9; ++c) {
            const bool isBlank = std::find(blank.begin(), blank.end(), 9 * r + c) != blank.end();
            row += isBlank ? QChar('0') : QChar('1' + (3 * r + r / 3 + c) % 9);
        }
        rows << row;
    }
    return rows;
}

// Whether nine lines of nine digits hold 1 to 9 once in every row, column and box.
bool isSolution(const QStringList& lines) {
    if (lines.size() != 9) {
        return false;
    }
    for (int unit = 0; unit < 9; ++unit) {
        QString row, column, box;
        for (int k = 0; k < 9; ++k) {
            row += lines[unit].mid(k, 1);
            column += lines[k].mid(unit, 1);
            box += lines[unit / 3 * 3 + k / 3].mid(unit % 3 * 3 + k % 3, 1);
        }
        for (QString unitText : {row, column, box}) {
            std::sort(unitText.begin(), unitText.end());
            if (unitText != QLatin1String("123456789")) {
                return false;
            }
        }
    }
    return true;
}

// Polls for a visible top-level widget of type W while a modal loop runs and hands it to `act`,
// which should close it; closes it anyway if `act` did not, so that a failing test cannot hang.
// Gives up after a few seconds or when `owner` goes.
template <typename W>
void whenShown(QObject* owner, std::function<void(W*)> act) {
    auto* poll = new QTimer(owner);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, tries, act] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<W*>(widget); found != nullptr && found->isVisible()) {
                poll->deleteLater();
                poll->stop();
                act(found);
                if (found->isVisible()) {
                    found->close();
                }
                return;
            }
        }
        if (++*tries > 250) {
            poll->deleteLater();
            poll->stop();
        }
    });
    poll->start(20);
}

}  // namespace

class MainWindowTest : public QObject {
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
    QLineEdit* row(int i) const { return rowBox(*window, i); }
    QStringList rows() const { return rowTexts(*window); }
    void typeRows(const QStringList& texts) {
        for (int i = 0; i < 9; ++i) {
            row(i)->clear();
            QTest::keyClicks(row(i), texts[i]);
        }
    }
    static QStringList exampleRows(int index) {
        QStringList texts;
        for (std::string_view text : kExamplePuzzles[static_cast<std::size_t>(index)].rows) {
            texts << q(text);
        }
        return texts;
    }

  private slots:
    void init() {
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void startState() {
        QCOMPARE(window->windowTitle(), q(captions::kWindowTitle));
        QCOMPARE(window->size(), QSize(254, 178));

        struct Expected {
            const form::Control& control;
            QString text;
        };
        const std::vector<Expected> table = {
            {form::SB, q(captions::kStart)},
            {form::Loadb, q(captions::kLoadOpen)},
            {form::label2, QStringLiteral("Output field\n")},
            {form::lagl, q(captions::kStatusReady)},
            {form::RC, q(captions::kRepeatCountInitial)},
            {form::Label1, q(captions::kBlankHint)},
            {form::Label3, q(captions::kExampleHint)},
        };
        for (const Expected& expected : table) {
            QWidget* widget = control<QWidget>(expected.control);
            QString text;
            if (auto* button = qobject_cast<QPushButton*>(widget)) {
                text = button->text();
                QVERIFY(!button->isDefault() && !button->autoDefault());
            } else if (auto* label = qobject_cast<QLabel*>(widget)) {
                text = label->text();
            } else if (auto* field = qobject_cast<QPlainTextEdit*>(widget)) {
                text = field->toPlainText();
                QVERIFY(field->isReadOnly());
            }
            QCOMPARE(text, expected.text);
            QCOMPARE(widget->geometry(), form::pixelRect(expected.control.place));
            QCOMPARE(widget->isHidden(), &expected.control == &form::RC);
        }
        QCOMPARE(control<QLabel>(form::Label3)->text().size(), 53);

        for (int i = 0; i < 9; ++i) {
            QLineEdit* box = row(i);
            QCOMPARE(box->text(), QString());
            QCOMPARE(box->maxLength(), 9);
            QCOMPARE(box->geometry(), QRect(0, 16 * i, 73, 18));
            QCOMPARE(box->toolTip(), q(captions::kRowHints[i]));
            QCOMPARE(box->accessibleName(), q(captions::kRowHints[i]));
        }
        QCOMPARE(QApplication::focusWidget(), row(0));

        for (const char* name : {form::TT, form::Testt, form::SBT}) {
            auto* timer = control<QTimer>(name);
            QVERIFY(!timer->isActive());
            QVERIFY(timer->isSingleShot());
            QCOMPARE(timer->interval(), 1);
        }
        QCOMPARE(WindowInspector::state(*window).SetUpDone, 0);
        QCOMPARE(WindowInspector::state(*window).GuessCount, 0);
    }

    void tabRunsThroughRowsButtonsAndOutput() {
        QStringList visited;
        for (int step = 0; step < 12; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QStringList expected;
        for (int i = 1; i < 9; ++i) {
            expected << QLatin1String(form::T[i].name);
        }
        for (const char* name :
             {form::SB.name, form::Loadb.name, form::label2.name, form::T[0].name}) {
            expected << QLatin1String(name);
        }
        QCOMPARE(visited, expected);
    }

    void typingAKeywordFillsEveryRowAndATenthCharacterIsRefused() {
        QTest::keyClicks(row(0), QStringLiteral("test1"));
        QCOMPARE(rows(), exampleRows(0));

        row(4)->clear();
        QTest::keyClicks(row(4), QStringLiteral("1234567890"));
        QCOMPARE(row(4)->text(), QStringLiteral("123456789"));
    }

    // Return and keypad Enter press the button that has the focus, as Space does; in a row box
    // they press nothing, nor does Escape.
    void returnAndEnterPressOnlyTheFocusedButton() {
        typeRows(solvedRows());
        auto* start = control<QPushButton>(form::SB);
        auto* load = control<QPushButton>(form::Loadb);
        QSignalSpy startClicks(start, &QPushButton::clicked);
        QSignalSpy loadClicks(load, &QPushButton::clicked);
        for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(row(3), static_cast<Qt::Key>(key));
        }
        QCOMPARE(startClicks.count() + loadClicks.count(), 0);
        QVERIFY(!control<QTimer>(form::TT)->isActive());
        QVERIFY(control<QLabel>(form::RC)->isHidden());

        row(8)->setFocus();
        QTest::keyClick(row(8), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), start);
        QTest::keyClick(start, Qt::Key_Return);
        QCOMPARE(startClicks.count(), 1);
        QCOMPARE(control<QLabel>(form::lagl)->text(), q(captions::kStatusCalculating));
        QTest::keyClick(start, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(start, Qt::Key_Space);
        QCOMPARE(startClicks.count(), 3);

        QTest::keyClick(start, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), load);
        int dialogs = 0;
        for (const auto& [key, modifier] : {std::pair{Qt::Key_Return, Qt::NoModifier},
                                            std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
            whenShown<QFileDialog>(window.get(), [&dialogs](QFileDialog* dialog) {
                ++dialogs;
                dialog->reject();
            });
            QTest::keyClick(load, key, modifier);
        }
        QCOMPARE(dialogs, 2);
        QCOMPARE(loadClicks.count(), 2);
        QCOMPARE(startClicks.count(), 3);
    }

    // Every control that Tab reaches shows the focus on its frame, where no text cursor blinks:
    // the rows, the buttons and the output field alike.
    void everyControlShowsTheFocusOnItsFrame() {
        const auto frame = [](QWidget* widget) {
            const QImage picture = widget->grab().toImage();
            QList<QRgb> pixels;
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    if (x < 2 || y < 2 || x >= picture.width() - 2 || y >= picture.height() - 2) {
                        pixels << picture.pixel(x, y);
                    }
                }
            }
            return pixels;
        };
        for (int step = 0; step < 12; ++step) {
            QWidget* next = QApplication::focusWidget()->nextInFocusChain();
            while (next->focusPolicy() != Qt::StrongFocus) {
                next = next->nextInFocusChain();
            }
            const QList<QRgb> before = frame(next);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
            const QList<QRgb> after = frame(next);
            qsizetype changed = 0;
            for (qsizetype i = 0; i < before.size(); ++i) {
                changed += before[i] != after[i] ? 1 : 0;
            }
            QVERIFY2(changed >= next->width() + next->height(),
                     qPrintable(QStringLiteral("%1: %2 pixels of its frame change")
                                    .arg(next->objectName())
                                    .arg(changed)));
        }
    }

    void programWritesRunTheChangeHandlerBeforeReturning() {
        WindowOps& ops = *window;
        ops.setRowText(0, "test2");  // the keyword fill happens inside the write
        QCOMPARE(rows(), exampleRows(1));

        ops.setRowText(3, "12345678901");
        QCOMPARE(row(3)->text(), QStringLiteral("123456789"));
        QCOMPARE(ops.rowText(3), std::string("123456789"));
        // A written text keeps what the box's length limit keeps: nine UTF-16 units, where a
        // character of four UTF-8 bytes counts two, less a character cut in half.
        const auto times = [](const std::string& text, int count) {
            std::string repeated;
            for (int i = 0; i < count; ++i) {
                repeated += text;
            }
            return repeated;
        };
        for (const std::string& written :
             {times("a", 10), times("é", 10), times("€", 10), times("😀", 9), times("😀", 5),
              std::string("12345678😀"), std::string("1234567😀")}) {
            QString kept = q(written).left(row(3)->maxLength());
            if (kept.back().isHighSurrogate()) {
                kept.chop(1);
            }
            ops.setRowText(3, written);
            QCOMPARE(row(3)->text(), kept);
            QCOMPARE(ops.rowText(3), kept.toStdString());
        }

        typeRows(solvedRows());
        QTest::mouseClick(control<QPushButton>(form::SB), Qt::LeftButton);
        QCOMPARE(WindowInspector::state(*window).SetUpDone, 1);
        ops.setRowText(5, row(5)->text().toStdString());  // unchanged: no change handler
        QCOMPARE(WindowInspector::state(*window).SetUpDone, 1);
        ops.setRowText(5, "0");
        QCOMPARE(WindowInspector::state(*window).SetUpDone, 0);
    }

    void startSolvesAnExampleThroughTheEventLoop() {
        QTest::keyClicks(row(0), QStringLiteral("test1"));
        QTest::mouseClick(control<QPushButton>(form::SB), Qt::LeftButton);
        QVERIFY(control<QLabel>(form::RC)->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(control<QLabel>(form::lagl)->text(), q(captions::kStatusComplete),
                                  kSolveTimeoutMs);

        // The field takes the last grid when the window is next drawn, on the next turn.
        const auto fieldLines = [this] {
            return control<QPlainTextEdit>(form::label2)->toPlainText().split('\n');
        };
        QTRY_VERIFY_WITH_TIMEOUT(isSolution(fieldLines().mid(0, 9)), 5000);
        QStringList lines = fieldLines();
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines.takeLast(), QString());
        const QStringList givens = exampleRows(0);
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                QVERIFY(givens[r][c] == QLatin1Char('0') || givens[r][c] == lines[r][c]);
            }
        }
        for (const char* name : {form::TT, form::Testt, form::SBT}) {
            QVERIFY(!control<QTimer>(name)->isActive());
        }
    }

    void anInvalidRowShowsTheMessageThenEmptiesThatRowAndTakesTheFocus() {
        QStringList texts = exampleRows(2);
        texts[4].chop(1);
        typeRows(texts);

        QStringList seen;  // text, title, row 4 while the box is open
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        qsizetype buttons = 0;
        bool modal = false;
        whenShown<QMessageBox>(window.get(), [&](QMessageBox* box) {
            seen << box->text() << box->windowTitle() << row(4)->text();
            icon = box->icon();
            buttons = box->buttons().size();
            modal = box->isModal();
            box->button(QMessageBox::Ok)->click();
        });
        control<QPushButton>(form::SB)->setFocus();
        QTest::keyClick(control<QPushButton>(form::SB), Qt::Key_Space);

        QCOMPARE(seen, QStringList({q(captions::kInputFormatPrompt), q(captions::kInputFormatTitle),
                                    texts[4]}));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, 1);
        QVERIFY(modal);
        texts[4].clear();
        QCOMPARE(rows(), texts);
        QVERIFY(control<QLabel>(form::RC)->isVisible());
        QVERIFY(!control<QTimer>(form::TT)->isActive());

        // Row 5 edited while a slow puzzle solves: the restart that the timers make on it stops
        // quietly, with no message to take the next keys and the row left as it is being typed.
        // The row is typed again where the focus now is, once the window is active again.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), row(4));

        window->drawGuessesFromSeed(testing::kSlowSeed);
        QStringList slow;
        for (std::string_view text : testing::kSlowRows) {
            slow << q(text);
        }
        typeRows(slow);
        QTest::mouseClick(control<QPushButton>(form::SB), Qt::LeftButton);
        QTRY_VERIFY(control<QLabel>(form::RC)->text().startsWith(q(captions::kRepeatCountPrefix)));
        auto boxShown = std::make_shared<bool>(false);
        whenShown<QMessageBox>(window.get(), [boxShown](QMessageBox*) { *boxShown = true; });
        QTest::mouseClick(row(4), Qt::LeftButton);
        QTest::keyClick(row(4), Qt::Key_End);
        QTest::keyClick(row(4), Qt::Key_Backspace);
        QTRY_COMPARE(control<QLabel>(form::lagl)->text(), q(captions::kStatusReady));
        const auto ticking = [this] {
            return control<QTimer>(form::TT)->isActive() || control<QTimer>(form::Testt)->isActive() ||
                   control<QTimer>(form::SBT)->isActive();
        };
        QTRY_VERIFY(!ticking());
        QVERIFY(!*boxShown);
        QCOMPARE(QApplication::focusWidget(), row(4));
        QTest::keyClick(row(4), Qt::Key_7);
        QCOMPARE(row(4)->text(), slow[4].chopped(1) + QLatin1Char('7'));
    }

    void startPressedTwiceBeforeTheTickGivesOneRun() {
        typeRows(solvedRows({40}));
        auto* solveTimer = control<QTimer>(form::TT);
        int runs = 0;
        connect(solveTimer, &QTimer::timeout, this, [&runs] { ++runs; });

        QTest::mouseClick(control<QPushButton>(form::SB), Qt::LeftButton);
        QVERIFY(solveTimer->isActive());
        QTest::mouseClick(control<QPushButton>(form::SB), Qt::LeftButton);
        QTRY_COMPARE(control<QLabel>(form::lagl)->text(), q(captions::kStatusComplete));
        QTest::qWait(50);
        QCOMPARE(runs, 1);
    }

    void timersAreOneShotAndArmingIsIdempotent() {
        typeRows(solvedRows());
        QTest::mouseClick(control<QPushButton>(form::SB), Qt::LeftButton);
        QTRY_COMPARE(control<QLabel>(form::lagl)->text(), q(captions::kStatusComplete));

        auto* solveTimer = control<QTimer>(form::TT);
        int runs = 0;
        connect(solveTimer, &QTimer::timeout, this, [&runs] { ++runs; });
        WindowOps& ops = *window;

        ops.armTimer(TimerId::TT);
        ops.armTimer(TimerId::TT);
        QVERIFY(solveTimer->isActive());
        QCOMPARE(runs, 0);  // arming runs nothing at once
        QTRY_COMPARE(runs, 1);
        QTest::qWait(50);
        QCOMPARE(runs, 1);
        QVERIFY(!solveTimer->isActive());

        ops.armTimer(TimerId::TT);
        ops.disarmTimer(TimerId::TT);
        ops.disarmTimer(TimerId::TT);
        QTest::qWait(50);
        QCOMPARE(runs, 1);
    }

    // A file whose first row starts with "test1": the keyword fills the example, and the box
    // keeps nine characters, so the appended rest of the first row is dropped.
    void loadsThroughTheRealFileDialogThenEmpties() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QStringList fileRows = exampleRows(3);
        QFile file(folder.filePath(QStringLiteral("keyword.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(("test1" + fileRows[0].mid(5) + fileRows.mid(1).join(QString())).toLatin1());
        file.close();

        int dialogs = 0;
        QStringList seen;  // title, then the filters
        whenShown<QFileDialog>(window.get(), [&](QFileDialog* dialog) {
            ++dialogs;
            seen << dialog->windowTitle() << dialog->nameFilters();
            // As typed into the name box; selectFile() leaves the box alone once it has focus.
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                name->setText(file.fileName());
            }
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own accept checks the name
        });
        QTest::mouseClick(control<QPushButton>(form::Loadb), Qt::LeftButton);
        QCOMPARE(dialogs, 1);
        QCOMPARE(seen, QStringList({q(captions::kOpenDialogTitle),
                                    QStringLiteral("所有支持的格式(*.txt)")}));
        QStringList expected = fileRows;
        expected[0] = exampleRows(0)[0];
        QCOMPARE(rows(), expected);
        QCOMPARE(control<QPushButton>(form::Loadb)->text(), q(captions::kLoadReset));

        whenShown<QFileDialog>(window.get(), [&](QFileDialog* dialog) {
            ++dialogs;
            dialog->reject();
        });
        QTest::mouseClick(control<QPushButton>(form::Loadb), Qt::LeftButton);
        QCOMPARE(dialogs, 1);
        QCOMPARE(rows(), QStringList(9, QString()));
        QCOMPARE(control<QPushButton>(form::Loadb)->text(), q(captions::kLoadOpen));
    }

    // The dialog lists folders without reading any file in them: not a FIFO (whose read blocks
    // until someone writes), not /proc (where a read of kmsg, as root, blocks and takes the
    // messages out of the system log), not /dev. A watchdog unblocks and reports any reader of
    // the FIFOs, and inotify reports any open of them or of the plain files beside them.
    void theOpenDialogNeverReadsTheFilesItLists() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QStringList fifos;
        const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(watch >= 0);
        for (const char* name : {"fifo", "fifo.txt", "fifo.png", "fifo.desktop"}) {
            fifos << folder.filePath(QLatin1String(name));
            QCOMPARE(::mkfifo(QFile::encodeName(fifos.back()).constData(), 0644), 0);
            QVERIFY(::inotify_add_watch(watch, QFile::encodeName(fifos.back()).constData(),
                                        IN_OPEN) >= 0);
        }
        // Regular files whose type the name does not tell: only their content would.
        for (const char* name : {"notes", "data.unknown-kind", "kmsg"}) {
            QFile file(folder.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("%PDF-1.4\n");
            file.close();
            QVERIFY(::inotify_add_watch(watch, QFile::encodeName(file.fileName()).constData(),
                                        IN_OPEN) >= 0);
        }
        std::atomic<bool> stop{false};
        std::atomic<int> readers{0};
        std::thread watchdog([&] {
            while (!stop.load()) {
                for (const QString& fifo : fifos) {
                    // Opening for writing without blocking succeeds only when there is a reader.
                    const int fd = ::open(QFile::encodeName(fifo).constData(),
                                          O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                    if (fd >= 0) {
                        ++readers;
                        ::close(fd);  // the reader sees the end of the file and goes on
                    }
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });

        bool browsed = false;
        whenShown<QFileDialog>(window.get(), [&](QFileDialog* dialog) {
            dialog->setViewMode(QFileDialog::Detail);  // the type of every file is shown
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            for (const QString& place :
                 {folder.path(), QStringLiteral("/dev"), QStringLiteral("/proc"), folder.path()}) {
                dialog->setDirectory(place);
                QTest::qWait(400);
                if (name != nullptr) {  // typed, so that the completer lists the folder too
                    name->clear();
                    QTest::keyClicks(name, place + QLatin1Char('/'));
                    QTest::qWait(400);
                }
            }
            browsed = true;
            dialog->reject();
        });
        QTest::mouseClick(control<QPushButton>(form::Loadb), Qt::LeftButton);
        stop = true;
        watchdog.join();

        QVERIFY(browsed);
        QCOMPARE(readers.load(), 0);
        alignas(inotify_event) char events[4096];
        QVERIFY2(::read(watch, events, sizeof events) < 0, "a file in the folder was opened");
        ::close(watch);
        QCOMPARE(control<QPushButton>(form::Loadb)->text(), q(captions::kLoadOpen));
    }
};

}  // namespace quodrill

QTEST_MAIN(quodrill::MainWindowTest)
#include "main_window_test.moc"
