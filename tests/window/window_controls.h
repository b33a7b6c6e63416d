// Finds a control of the real window by its object name; a missing one ends the test run.
#pragma once

#include <QString>
#include <QWidget>
#include <QtGlobal>

namespace quodrill {

template <typename W>
W* findControl(const QWidget& window, const char* name) {
    W* found = window.findChild<W*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

}  // namespace quodrill
