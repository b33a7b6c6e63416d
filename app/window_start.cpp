#include "app/window_start.h"

#include <QApplication>
#include <QFile>
#include <iostream>
#include <string>
#include <vector>

#include "app/window_arguments.h"
#include "sources/file_loading.h"
#include "window/main_window.h"

namespace quodrill {

void openPuzzleFromArguments(WindowOps& window, const QStringList& arguments) {
    std::vector<std::string> texts;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        texts.push_back(QFile::encodeName(arguments[i]).toStdString());
    }
    loadFirstRegularFile(window, parseWindowArguments(texts).files);
}

int runWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quodrill.Quodrill"));
    MainWindow window;
    openPuzzleFromArguments(window, QApplication::arguments());
    window.show();
    return app.exec();
}

}  // namespace quodrill
