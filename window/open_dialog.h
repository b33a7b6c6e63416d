// The file-open dialog of the load button: Qt's own dialog, told never to open a file that the
// user has not chosen.
#pragma once

#include <QString>

class QWidget;

namespace quodrill {

// Shows the dialog modally and returns the chosen file's name, or an empty name when it was
// cancelled. The filter is the program's "description|pattern", whose description already ends
// with the pattern in parentheses, as Qt shows a filter. The type and icon of every file listed
// come from its name alone: working them out from a file's content would read it on the window's
// thread, and a FIFO or /proc/kmsg never answers. The dialog remembers the last folder and the
// history of folders as Qt's dialogs do, in the user's QtProject.conf.
QString runOpenFileDialog(QWidget* parent, const QString& title, const QString& filter);

}  // namespace quodrill
