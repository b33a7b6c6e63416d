// What a screen reader is told about the real window: names and descriptions of every control,
// and the announcement of each change of the status label.
// The announcement cases need Qt's accessibility switched on, which only a running accessibility
// bus does: ctest runs them through with_accessibility_bus.sh.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <memory>
#include <vector>

#include "events/captions.h"
#include "window/form.h"
#include "window/main_window.h"

namespace quodrill {
namespace {

constexpr int kSolveTimeoutMs = 120000;
constexpr int kAccessibilityTimeoutMs = 20000;

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString accessibleText(QObject* object, QAccessible::Text kind) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(kind) : QString();
}

// A name change as a screen reader receives it: the object and its name when the event came.
struct NameChange {
    QObject* object;
    QString name;
};

std::vector<NameChange>* recordedChanges = nullptr;

void recordNameChange(QAccessibleEvent* event) {
    if (recordedChanges != nullptr && event->type() == QAccessible::NameChanged) {
        recordedChanges->push_back(
            {event->object(), accessibleText(event->object(), QAccessible::Name)});
    }
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<MainWindow> window;
    std::vector<NameChange> changes;
    QAccessible::UpdateHandler previousHandler = nullptr;

    template <typename W>
    W* control(const QString& name) const {
        W* found = window->findChild<W*>(name);
        if (found == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }
    QStringList statusAnnouncements() const {
        QStringList names;
        for (const NameChange& change : changes) {
            if (change.object == control<QLabel>(form::lagl.name)) {
                names << change.name;
            }
        }
        return names;
    }

    // Qt switches its accessibility on once the accessibility bus has answered.
    static bool accessibilityIsOn() {
        return QTest::qWaitFor([] { return QAccessible::isActive(); }, kAccessibilityTimeoutMs);
    }

  private slots:
    void init() {
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        changes.clear();
        recordedChanges = &changes;
        previousHandler = QAccessible::installUpdateHandler(recordNameChange);
    }
    void cleanup() {
        QAccessible::installUpdateHandler(previousHandler);
        recordedChanges = nullptr;
        window.reset();
    }

    // Every control a user can reach or read has a name, and the ones reached with Tab have
    // names that tell them apart.
    void everyControlHasAName() {
        QCOMPARE(accessibleText(window.get(), QAccessible::Name), q(captions::kWindowTitle));
        const QList<QWidget*> controls =
            window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 16);  // nine rows, two buttons, the output field, four labels
        QSet<QString> focusNames;
        for (QWidget* widget : controls) {
            const QString name = accessibleText(widget, QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(widget->objectName()));
            if (widget->focusPolicy() != Qt::NoFocus) {
                QVERIFY2(!focusNames.contains(name), qPrintable(name));
                focusNames.insert(name);
            }
        }
        QCOMPARE(focusNames.size(), 12);

        for (int i = 0; i < 9; ++i) {
            QCOMPARE(accessibleText(control<QLineEdit>(form::T[i].name), QAccessible::Name),
                     q(captions::kRowHints[i]));
        }
        QCOMPARE(accessibleText(control<QWidget>(form::SB.name), QAccessible::Name),
                 q(captions::kStart));
        QCOMPARE(accessibleText(control<QWidget>(form::label2.name), QAccessible::Name),
                 QStringLiteral("Output field"));
        for (const char* label :
             {form::lagl.name, form::RC.name, form::Label1.name, form::Label3.name}) {
            QCOMPARE(accessibleText(control<QLabel>(label), QAccessible::Name),
                     control<QLabel>(label)->text());
        }
    }

    // The load button is named by the caption it shows, in both turns.
    void theLoadButtonIsNamedByItsCaption() {
        WindowOps& ops = *window;
        auto* load = control<QPushButton>(form::Loadb.name);
        QCOMPARE(accessibleText(load, QAccessible::Name), q(captions::kLoadOpen));
        ops.setLoadButtonCaption(captions::kLoadReset);
        QCOMPARE(accessibleText(load, QAccessible::Name), q(captions::kLoadReset));
    }

    // Each row box says which row it holds; the buttons, the output field and the two labels that
    // change say what they are for.
    void controlsThatNeedItAreDescribed() {
        QVERIFY(!accessibleText(window.get(), QAccessible::Description).isEmpty());
        QSet<QString> rowDescriptions;
        for (int i = 0; i < 9; ++i) {
            const QString description =
                accessibleText(control<QLineEdit>(form::T[i].name), QAccessible::Description);
            QVERIFY2(description.startsWith(QStringLiteral("Row %1 ").arg(i + 1)),
                     qPrintable(description));
            rowDescriptions.insert(description);
        }
        QCOMPARE(rowDescriptions.size(), 9);
        QVERIFY(accessibleText(control<QLineEdit>(form::T[0].name), QAccessible::Description)
                    .contains(QStringLiteral("test1")));

        for (const char* name :
             {form::SB.name, form::Loadb.name, form::label2.name, form::lagl.name, form::RC.name}) {
            const QString description =
                accessibleText(control<QWidget>(name), QAccessible::Description);
            QVERIFY2(description.size() > 10, name);
            QVERIFY2(description != accessibleText(control<QWidget>(name), QAccessible::Name),
                     name);
        }
    }

    // The name of the status label is its caption, and each new caption is announced once.
    void aStatusChangeIsAnnouncedOnce() {
        QVERIFY2(accessibilityIsOn(),
                 "accessibility is off: run this under tests/desktop/with_accessibility_bus.sh");
        WindowOps& ops = *window;
        ops.setStatusCaption(captions::kStatusCalculating);
        ops.setStatusCaption(captions::kStatusCalculating);  // the same caption: nothing to say
        ops.setStatusCaption(captions::kStatusStopped);
        QCOMPARE(statusAnnouncements(),
                 QStringList({q(captions::kStatusCalculating), q(captions::kStatusStopped)}));
        QCOMPARE(accessibleText(control<QLabel>(form::lagl.name), QAccessible::Name),
                 q(captions::kStatusStopped));
    }

    // A puzzle solved as a user solves it: the start of solving and its end are announced, and
    // nothing else about the status.
    void solvingAnnouncesCalculatingThenComplete() {
        QVERIFY2(accessibilityIsOn(),
                 "accessibility is off: run this under tests/desktop/with_accessibility_bus.sh");
        QTest::keyClicks(control<QLineEdit>(form::T[0].name), QStringLiteral("test1"));
        QTest::mouseClick(control<QPushButton>(form::SB.name), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(control<QLabel>(form::lagl.name)->text(),
                                  q(captions::kStatusComplete), kSolveTimeoutMs);
        QCOMPARE(statusAnnouncements(),
                 QStringList({q(captions::kStatusCalculating), q(captions::kStatusComplete)}));
    }
};

}  // namespace quodrill

QTEST_MAIN(quodrill::AccessibilityTest)
#include "accessibility_test.moc"
