#include "window/accessibility.h"

#include <QLabel>
#include <QString>
#include <QWidget>

#include "events/captions.h"
#include "window/form.h"

namespace quodrill {

namespace {

struct ControlText {
    const char* objectName;
    const char* name;  // nullptr: the control's own hint or caption names it
    QString description;
};

const ControlText kControlTexts[] = {
    {form::SB.name, nullptr,
     QStringLiteral("Checks the nine rows and starts solving; pressed again before a row "
                    "changes, solving goes on")},
    {form::Loadb.name, nullptr,
     QStringLiteral("Loads the nine rows from a text file of 81 characters; after a load the "
                    "same button, then named %1, empties the rows again")
         .arg(QString::fromUtf8(captions::kLoadReset.data(),
                                static_cast<qsizetype>(captions::kLoadReset.size())))},
    {form::label2.name, "Output field",
     QStringLiteral(
         "The grid after each pass of the solver: nine lines of nine digits, 0 for a blank cell")},
    {form::lagl.name, nullptr, QStringLiteral("Solving status")},
    {form::RC.name, nullptr,
     QStringLiteral("How many random guesses the solver has made since the rows last changed")},
};

QString rowDescription(int row) {
    QString text = QStringLiteral("Row %1 of the puzzle: nine digits, 0 for a blank cell").arg(row);
    if (row == 1) {
        text += QStringLiteral("; test1 to test9 here fills in an example puzzle");
    }
    return text;
}

}  // namespace

void describeControls(QWidget* window) {
    window->setAccessibleDescription(QStringLiteral("Solves 9 by 9 number-placement puzzles"));
    for (int i = 0; i < 9; ++i) {
        if (auto* box = window->findChild<QWidget*>(
                QLatin1String(form::T[static_cast<std::size_t>(i)].name))) {
            box->setAccessibleDescription(rowDescription(i + 1));
        }
    }
    for (const ControlText& control : kControlTexts) {
        auto* widget = window->findChild<QWidget*>(QLatin1String(control.objectName));
        if (widget == nullptr) {
            continue;
        }
        if (control.name != nullptr) {
            widget->setAccessibleName(QString::fromUtf8(control.name));
        }
        widget->setAccessibleDescription(control.description);
    }
    // The status label's name is kept equal to its caption by setAnnouncedCaption.
    if (auto* status = window->findChild<QLabel*>(QLatin1String(form::lagl.name))) {
        status->setAccessibleName(status->text());
    }
}

void setAnnouncedCaption(QLabel* label, const QString& caption) {
    if (label->text() == caption) {
        return;
    }
    // With an accessible name of its own the label reports no change of its text; setting the
    // name reports QAccessible::NameChanged, once, and screen readers read the new name.
    label->setText(caption);
    label->setAccessibleName(caption);
}

}  // namespace quodrill
