// The real window under the offscreen platform, used at random and left cycling. The monkey:
// random typing, pasting, clicks on Start and on the load button (real files, the dialog
// answered by the test), interleaved with the event loop, for a bounded number of actions and
// seconds, with the invariants checked after every timer handler and every action, no box left
// open, and the window still solving a puzzle at the end. Settings for longer runs:
// QUODRILL_MONKEY_ACTIONS, QUODRILL_MONKEY_SECONDS and QUODRILL_MONKEY_SEED.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "events/captions.h"
#include "sources/examples.h"
#include "tests/reliability/hard_puzzles.h"
#include "tests/reliability/modal_answerer.h"
#include "tests/support/invariants.h"
#include "tests/support/window_inspector.h"
#include "window/form.h"
#include "window/main_window.h"

namespace quodrill::testing {
namespace {

long setting(const char* name, long fallback) {
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toLong();
}

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString joined(const std::array<std::string_view, 9>& rows) {
    QString text;
    for (std::string_view row : rows) {
        text += q(row);
    }
    return text;
}

class Monkey {
  public:
    // With a seed, the window draws its guesses as `quodrill --seed N` does.
    explicit Monkey(unsigned seed, std::optional<std::uint64_t> windowSeed = std::nullopt)
        : random_(seed), answerer_([this] { return below(5); }) {
        if (windowSeed) {
            window_.drawGuessesFromSeed(*windowSeed);
        }
        window_.show();
        for (int i = 0; i < 9; ++i) {
            rows_[static_cast<std::size_t>(i)] =
                window_.findChild<QLineEdit*>(QLatin1String(form::T[i].name));
        }
        start_ = window_.findChild<QPushButton*>(QLatin1String(form::SB.name));
        load_ = window_.findChild<QPushButton*>(QLatin1String(form::Loadb.name));
        status_ = window_.findChild<QLabel*>(QLatin1String(form::lagl.name));
        // Connected after the window's own handlers, so these run right after each of them.
        for (const char* name : {form::TT, form::Testt, form::SBT}) {
            auto* timer = window_.findChild<QTimer*>(QLatin1String(name));
            const CheckPoint point = QByteArray(name) == form::TT ? CheckPoint::AfterSolveRun
                                                                  : CheckPoint::BetweenHandlers;
            QObject::connect(timer, &QTimer::timeout, [this, name, point] {
                ++ticks;
                check(std::string("the tick of ") + name, point);
            });
        }
        writeFiles();
    }

    bool ready() const {
        return start_ != nullptr && load_ != nullptr && status_ != nullptr && rows_[8] != nullptr;
    }

    // One random action of a person at the window, then its check.
    void act() {
        ++actions;
        const int kind = below(100);
        if (kind < 22) {
            typeCharacter();
        } else if (kind < 27) {
            pasteText();
        } else if (kind < 35) {
            typeKeyword();
        } else if (kind < 47) {
            QTest::mouseClick(start_, Qt::LeftButton);
            ++starts;
        } else if (kind < 52) {
            clickLoad();
        } else {
            QTest::qWait(below(25));
        }
        check("an action", CheckPoint::BetweenHandlers);
        if (QApplication::activeModalWidget() != nullptr) {
            fail("a modal box is still open after an action");
        }
    }

    std::string firstFault() const { return fault_; }
    QString status() const { return status_->text(); }
    void typeKeyword(int example) {
        rows_[0]->clear();
        QTest::keyClicks(rows_[0], q(kExamplePuzzles[static_cast<std::size_t>(example)].keyword));
    }
    void pressStart() { QTest::mouseClick(start_, Qt::LeftButton); }
    void typeRows(const std::array<std::string_view, 9>& rows) {
        for (std::size_t i = 0; i < 9; ++i) {
            rows_[i]->clear();
            QTest::keyClicks(rows_[i], q(rows[i]));
        }
    }
    void typeInto(int row, char key) { QTest::keyClick(rows_[static_cast<std::size_t>(row)], key); }
    void backspaceIn(int row) {
        QTest::keyClick(rows_[static_cast<std::size_t>(row)], Qt::Key_Backspace);
    }
    QString rowText(int row) const { return rows_[static_cast<std::size_t>(row)]->text(); }
    // Lets the event loop run until `done` or two minutes have passed; returns `done()`.
    bool waitFor(const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 120000 && fault_.empty()) {
            QTest::qWait(5);
        }
        return done();
    }
    const PuzzleState& state() const { return WindowInspector::state(window_); }

    long actions = 0;
    long ticks = 0;
    long starts = 0;
    long loads = 0;
    long messages() const { return answerer_.messagesAnswered; }
    long dialogs() const { return answerer_.dialogsAnswered; }

  private:
    int below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    QLineEdit* anyRow() { return rows_[static_cast<std::size_t>(below(9))]; }

    void typeCharacter() {
        QLineEdit* row = anyRow();
        row->setFocus();
        row->end(false);
        const int which = below(20);
        if (which < 3) {
            QTest::keyClick(row, Qt::Key_Backspace);
        } else if (which < 15) {
            QTest::keyClick(row, static_cast<char>('0' + below(10)));
        } else {
            static const char kOthers[] = "test +-.,eExX ";
            QTest::keyClick(row, kOthers[below(static_cast<int>(sizeof kOthers) - 1)]);
        }
    }

    // As a paste does: the selection (here all of the box) replaced, cut at nine characters.
    void pasteText() {
        QString text;
        if (below(2) == 0) {
            text = q(kExamplePuzzles[static_cast<std::size_t>(below(9))]
                         .rows[static_cast<std::size_t>(below(9))]);
        } else {
            for (int n = below(13); n > 0; --n) {
                text += QChar(below(3) == 0 ? 0x20 + below(0x5f) : '0' + below(10));
            }
        }
        QLineEdit* row = anyRow();
        row->selectAll();
        row->insert(text);
    }

    void typeKeyword() { typeKeyword(below(9)); }

    void clickLoad() {
        ++loads;
        const int which = below(10);
        if (which < 6) {
            answerer_.nextFileName = files_[static_cast<std::size_t>(below(kFiles))];
        } else if (which < 8) {
            answerer_.nextFileName.clear();  // cancelled
        } else if (which < 9) {
            answerer_.nextFileName = folder_.path();
        } else {
            answerer_.nextFileName = folder_.filePath(QStringLiteral("missing.txt"));
        }
        QTest::mouseClick(load_, Qt::LeftButton);
    }

    void writeFiles() {
        const QString contents[kFiles] = {
            joined(kExamplePuzzles[0].rows),
            joined(kExamplePuzzles[6].rows),
            joined(kNoSolutionRows),
            joined(kVeryHardRows),
            joined(kExamplePuzzles[1].rows) + QStringLiteral("\n"),
            QStringLiteral("test4") + joined(kExamplePuzzles[2].rows).mid(5),
            QString(81, QLatin1Char('x')),
            QString(27, QChar(0x4E00)),  // 81 bytes of UTF-8, 27 characters
        };
        for (int i = 0; i < kFiles; ++i) {
            files_[static_cast<std::size_t>(i)] =
                folder_.filePath(QStringLiteral("p%1.txt").arg(i));
            QFile file(files_[static_cast<std::size_t>(i)]);
            if (!file.open(QIODevice::WriteOnly) || file.write(contents[i].toUtf8()) < 0) {
                fail("could not write a puzzle file");
            }
        }
    }

    void check(const std::string& after, CheckPoint point) {
        const std::string found = findInvariantViolation(WindowInspector::state(window_),
                                                         status_->text().toStdString(), point);
        if (!found.empty()) {
            fail(found + " (after " + after + ")");
        }
    }

    void fail(const std::string& problem) {
        if (fault_.empty()) {
            fault_ = "action " + std::to_string(actions) + ": " + problem;
        }
    }

    static constexpr int kFiles = 8;

    std::mt19937 random_;
    ModalAnswerer answerer_;
    QTemporaryDir folder_;
    std::array<QString, kFiles> files_;
    MainWindow window_;
    std::array<QLineEdit*, 9> rows_{};
    QPushButton* start_ = nullptr;
    QPushButton* load_ = nullptr;
    QLabel* status_ = nullptr;
    std::string fault_;
};

TEST(WindowMonkey, RandomUseNeverBreaksAnInvariantOrLeavesABoxOpen) {
    const long maxActions = setting("QUODRILL_MONKEY_ACTIONS", 500);
    const long maxSeconds = setting("QUODRILL_MONKEY_SECONDS", 60);
    const auto seed = static_cast<unsigned>(setting("QUODRILL_MONKEY_SEED", 20261208));

    Monkey monkey(seed);
    ASSERT_TRUE(monkey.ready());
    QElapsedTimer clock;
    clock.start();
    while (monkey.actions < maxActions && clock.elapsed() < maxSeconds * 1000 &&
           monkey.firstFault().empty()) {
        monkey.act();
    }
    std::printf(
        "monkey seed %u: %ld actions (%ld Start, %ld load), %ld timer ticks, %ld messages "
        "and %ld file dialogs answered, %lld ms\n",
        seed, monkey.actions, monkey.starts, monkey.loads, monkey.ticks, monkey.messages(),
        monkey.dialogs(), static_cast<long long>(clock.elapsed()));
    ASSERT_EQ(monkey.firstFault(), "");
    EXPECT_GT(monkey.ticks, 0);

    // Whatever came before, the window still takes a puzzle and solves it.
    monkey.typeKeyword(0);
    monkey.pressStart();
    EXPECT_TRUE(monkey.waitFor([&] { return monkey.status() == q(captions::kStatusComplete); }));
    EXPECT_EQ(monkey.firstFault(), "");
}

// A puzzle without a solution stops at its second stall. A puzzle that guesses seldom finish
// cycles on; typing between two ticks takes effect at once, the chain goes on, and a keyword
// with Start replaces it with a puzzle that is solved.
TEST(WindowChain, UnfinishablePuzzleStopsAndASlowOneLeavesTheWindowAnswering) {
    {
        Monkey window(1);
        ASSERT_TRUE(window.ready());
        window.typeRows(kNoSolutionRows);
        window.pressStart();
        EXPECT_TRUE(
            window.waitFor([&] { return window.status() == q(captions::kStatusNoGuessFinishes); }));
        EXPECT_EQ(window.state().GuessCount, 1);
        EXPECT_EQ(window.firstFault(), "");
    }

    Monkey window(1, kSlowSeed);
    ASSERT_TRUE(window.ready());
    window.typeRows(kSlowRows);
    window.pressStart();
    ASSERT_TRUE(window.waitFor([&] { return window.state().GuessCount >= 100; }))
        << window.firstFault();

    window.typeInto(8, '1');  // a tenth character: refused by the box, nothing changes
    EXPECT_EQ(window.rowText(8), q(kSlowRows[8]));
    window.backspaceIn(8);
    EXPECT_EQ(window.rowText(8), q(kSlowRows[8].substr(0, 8)));
    EXPECT_EQ(window.state().SetUpDone, 0);
    EXPECT_EQ(window.state().GuessCount, 0);
    window.typeInto(8, kSlowRows[8].back());
    ASSERT_TRUE(window.waitFor([&] { return window.state().GuessCount >= 50; }))
        << "the chain stopped after the rows changed";
    EXPECT_NE(window.status(), q(captions::kStatusComplete));

    window.typeKeyword(0);
    window.pressStart();
    EXPECT_TRUE(window.waitFor([&] { return window.status() == q(captions::kStatusComplete); }));
    EXPECT_EQ(window.firstFault(), "");
}

}  // namespace
}  // namespace quodrill::testing

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
