// Finds a control of the real window by its object name; a missing one ends the test run. The
// row boxes and their texts, which most window tests read.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtGlobal>

#include "window/form.h"

namespace quodrill {

template <typename W>
W* findControl(const QWidget& window, const char* name) {
    W* found = window.findChild<W*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

template <typename W>
W* findControl(const QWidget& window, const form::Control& control) {
    return findControl<W>(window, control.name);
}

// Row box T(i), i from 0 to 8.
inline QLineEdit* rowBox(const QWidget& window, int i) {
    return findControl<QLineEdit>(window, form::T[i]);
}

// The texts of the nine row boxes, top to bottom.
inline QStringList rowTexts(const QWidget& window) {
    QStringList texts;
    for (int i = 0; i < 9; ++i) {
        texts << rowBox(window, i)->text();
    }
    return texts;
}

}  // namespace quodrill
