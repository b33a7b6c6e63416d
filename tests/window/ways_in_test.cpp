// The ways a puzzle comes into the real window besides typing and Open: a paste of a whole
// puzzle into any row box, a file dropped on the window and a file named on the command line;
// and the way out without it, the headless solver, which guesses as the window does.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "app/window_start.h"
#include "events/captions.h"
#include "sources/examples.h"
#include "tests/support/window_inspector.h"
#include "tests/window/window_controls.h"
#include "window/form.h"
#include "window/main_window.h"

namespace quodrill {
namespace {

constexpr int kSolveTimeoutMs = 120000;

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList exampleRows(int index) {
    QStringList texts;
    for (std::string_view text : kExamplePuzzles[static_cast<std::size_t>(index)].rows) {
        texts << q(text);
    }
    return texts;
}

QString writeFile(const QTemporaryDir& folder, const QString& name, const QByteArray& content) {
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(file.fileName()));
    }
    return file.fileName();
}

}  // namespace

class WaysInTest : public QObject {
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
    // Drags the files onto row box i, offering their names as text too, as file managers do, and
    // drops them there.
    void dropOnRow(int i, const QList<QUrl>& files) {
        QMimeData dragged;
        dragged.setUrls(files);
        dragged.setText(files.first().toString());
        const QPoint at = row(i)->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(row(i), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(row(i), &drop);
    }
    // Chooses Paste in the row box's context menu.
    void pasteFromContextMenu(QLineEdit* box) {
        const QPoint inside = box->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, inside, box->mapToGlobal(inside));
        QApplication::sendEvent(box, &event);
        QMenu* menu = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<QMenu*>(widget);
                found != nullptr && found->isVisible()) {
                menu = found;
            }
        }
        QVERIFY(menu != nullptr);
        const QString caption = QLineEdit::tr("&Paste");
        QAction* paste = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text().section(QLatin1Char('\t'), 0, 0) == caption) {
                paste = action;
            }
        }
        QVERIFY(paste != nullptr);
        paste->trigger();
        menu->close();
    }

  private slots:
    void init() {
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    // test4 on one line with dots, pasted into the first row, fills the nine rows and solves; a
    // copy of the output field pastes back as the solved grid, under the Ready status again; the
    // other ways of pasting take a puzzle too, and any other paste keeps nine characters in the box
    // it was made in.
    void aPastedPuzzleFillsTheRowsAndAnyOtherPasteIsTheBoxsOwn() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        const QStringList puzzle = exampleRows(3);
        const QString oneLine = puzzle.join(QString()).replace(QLatin1Char('0'), QLatin1Char('.'));
        clipboard->setText(oneLine);
        row(0)->setFocus();
        QTest::keyClick(row(0), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rows(), puzzle);
        QCOMPARE(control<QPushButton>(form::Loadb)->text(), q(captions::kLoadOpen));

        QTest::mouseClick(control<QPushButton>(form::SB), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(control<QLabel>(form::lagl)->text(), q(captions::kStatusComplete),
                                  kSolveTimeoutMs);
        auto* output = control<QPlainTextEdit>(form::label2);
        QTRY_VERIFY(!output->toPlainText().contains(QLatin1Char('0')));
        output->selectAll();
        output->copy();
        const QStringList solved = output->toPlainText().split(QLatin1Char('\n')).mid(0, 9);
        row(8)->setFocus();
        QTest::keyClick(row(8), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(rows(), solved);
        QCOMPARE(control<QLabel>(form::lagl)->text(), q(captions::kStatusReady));
        // A drop and the command line write a new puzzle as a paste does, status and all.
        QTemporaryDir folder;
        const QString file = writeFile(folder, QStringLiteral("test4.txt"), oneLine.toLatin1());
        window->setStatusCaption(captions::kStatusComplete);
        dropOnRow(0, {QUrl::fromLocalFile(file)});
        QCOMPARE(control<QLabel>(form::lagl)->text(), q(captions::kStatusReady));
        window->setStatusCaption(captions::kStatusComplete);
        applyWindowArguments(*window, {file.toStdString()}, std::cerr);
        QCOMPARE(control<QLabel>(form::lagl)->text(), q(captions::kStatusReady));
        // And so does a keyword typed into the first row.
        window->setStatusCaption(captions::kStatusComplete);
        row(0)->clear();
        QTest::keyClicks(row(0), QStringLiteral("test9"));
        QCOMPARE(rows(), exampleRows(8));
        QCOMPARE(control<QLabel>(form::lagl)->text(), q(captions::kStatusReady));

        // The nine-line form through the context menu, and under X11 a middle click with the
        // form drawn as a grid in the selection.
        clipboard->setText(puzzle.join(QLatin1Char('\n')));
        pasteFromContextMenu(row(4));
        QCOMPARE(rows(), puzzle);
        if (clipboard->supportsSelection()) {
            clipboard->setText(QStringLiteral("+---+\n| ") + solved.join(QStringLiteral(" |\n| ")),
                               QClipboard::Selection);
            QTest::mouseClick(row(2), Qt::MiddleButton);
            QCOMPARE(rows(), solved);
        }

        const QStringList before = rows();
        for (const QString& refused :
             {oneLine.mid(1), oneLine + QLatin1Char('5'), QStringLiteral("abcdefghijkl")}) {
            row(4)->clear();
            clipboard->setText(refused);
            pasteFromContextMenu(row(4));
            QCOMPARE(row(4)->text(), refused.left(9));
            QCOMPARE(row(3)->text(), before[3]);
        }
    }

    // Dropped on a row box, the first of the dragged files that holds a puzzle, read as a paste is
    // read, is loaded and the box does not take the names as text; the command line loads the
    // same way and says why it passed over each name before. Names are bytes, also when they are
    // not UTF-8, and a file URL of "localhost" names a file here.
    void droppedAndNamedFilesLoadTheFirstThatHoldsAPuzzle() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString missing = folder.filePath(QStringLiteral("missing.txt"));
        const QString test2 = writeFile(folder, QStringLiteral("test2.txt"),
                                        exampleRows(1).join(QString()).toLatin1() + '\n');
        const QString test3 = writeFile(folder, QStringLiteral("test3.txt"),
                                        exampleRows(2).join(QString()).toLatin1());
        const QByteArray test5 = QFile::encodeName(folder.path()) + "/lines\xFE.txt";
        std::ofstream(test5.constData()) << exampleRows(4).join(QLatin1Char('\n')).toStdString();
        const std::string test6 = QFile::encodeName(folder.path()).toStdString() + "/puz\xFF.txt";
        std::ofstream(test6) << exampleRows(5).join(QString()).toStdString();

        dropOnRow(3, {QUrl::fromLocalFile(folder.path()), QUrl::fromLocalFile(missing),
                      QUrl::fromLocalFile(test2), QUrl::fromLocalFile(test3)});
        QCOMPARE(rows(), exampleRows(1));
        QCOMPARE(control<QPushButton>(form::Loadb)->text(), q(captions::kLoadReset));

        std::ostringstream errors;
        applyWindowArguments(*window, {missing.toStdString(), test6, test3.toStdString()}, errors);
        QCOMPARE(rows(), exampleRows(5));
        QCOMPARE(errors.str(), "quodrill: cannot read " + missing.toStdString() +
                                   ": No such file or directory\n");

        dropOnRow(0, {QUrl::fromEncoded("file://localhost" + test5.toPercentEncoding("/"))});
        QCOMPARE(rows(), exampleRows(4));

        // The program hands its arguments on as it was given them (bash writes the byte 0xFF).
        std::ofstream(test6) << "12";
        QProcess program;
        program.setWorkingDirectory(folder.path());
        program.setReadChannel(QProcess::StandardError);
        program.start(
            QStringLiteral("bash"),
            {QStringLiteral("-c"),
             QStringLiteral("exec \"$0\" -platform offscreen \"$(printf 'puz\\377.txt')\""),
             QStringLiteral(QUODRILL_PROGRAM)});
        QByteArray said;  // Qt may say something of its own first
        while (!said.startsWith("quodrill:") &&
               (program.canReadLine() || program.waitForReadyRead(kSolveTimeoutMs))) {
            said = program.canReadLine() ? program.readLine() : QByteArray();
        }
        QCOMPARE(said, QByteArray("quodrill: puz\xFF.txt: not a puzzle (2 cells, not 81)\n"));
        program.kill();
        program.waitForFinished();
    }

    // test9 needs dozens of guesses: `quodrill --seed 7 test9.txt` makes, through its timers, the
    // very guesses that `quodrill --solve --seed 7` makes, to the same grid; and again after the
    // rows have changed, which starts the generator afresh.
    void theWindowWithASeedMakesTheGuessesOfTheSolver() {
        QTemporaryDir folder;
        const QString puzzle = exampleRows(8).join(QString());
        const QString file = writeFile(folder, QStringLiteral("test9.txt"), puzzle.toLatin1());
        QProcess solver;
        solver.start(QStringLiteral(QUODRILL_PROGRAM),
                     {QStringLiteral("--solve"), QStringLiteral("--seed=7"),
                      QStringLiteral("--stats"), file});
        QVERIFY(solver.waitForFinished());
        const QStringList lines = QString::fromLatin1(solver.readAllStandardOutput()).split('\n');
        const QRegularExpressionMatch figures =
            QRegularExpression(QStringLiteral(": solved, .* (\\d+) guesses,"))
                .match(lines.value(1));
        QVERIFY2(solver.exitCode() == 0 && figures.hasMatch(), qPrintable(lines.join('\n')));
        const int guesses = figures.captured(1).toInt();
        QVERIFY(guesses > 10);

        QCOMPARE(applyWindowArguments(*window, {"--seed", "7", file.toStdString()}, std::cerr),
                 std::string());
        for (int round = 1; round <= 2; ++round) {
            QTest::mouseClick(control<QPushButton>(form::SB), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(control<QLabel>(form::lagl)->text(),
                                      q(captions::kStatusComplete), kSolveTimeoutMs);
            QCOMPARE(control<QLabel>(form::RC)->text(),
                     QStringLiteral("Repeated calculation : %1 times").arg(guesses));
            const PuzzleState& state = WindowInspector::state(*window);
            QString grid;
            for (int r = kFirst; r <= kLast; ++r) {
                for (int c = kFirst; c <= kLast; ++c) {
                    grid += QLatin1Char(state.Grid[c][r]);
                }
            }
            QCOMPARE(grid, lines.value(0));
            row(4)->clear();
            QGuiApplication::clipboard()->setText(puzzle);
            QTest::keyClick(row(0), Qt::Key_V, Qt::ControlModifier);
        }
    }
};

}  // namespace quodrill

QTEST_MAIN(quodrill::WaysInTest)
#include "ways_in_test.moc"
