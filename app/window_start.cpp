#include "app/window_start.h"

#include <QApplication>
#include <QFile>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/display_check.h"
#include "sources/file_loading.h"
#include "window/main_window.h"

namespace quodrill {

void openPuzzleFromArguments(WindowOps& window, const QStringList& arguments) {
    std::vector<std::string> names;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        names.push_back(QFile::encodeName(arguments[i]).toStdString());
    }
    loadFirstRegularFile(window, names);
}

int runWindow(int argc, char** argv, const WindowArguments& arguments) {
    const std::optional<std::string> missing =
        missingDisplay(displayRequest(arguments.platform, arguments.display));
    if (missing) {
        std::cerr << noDisplayMessage(argc > 0 ? argv[0] : "quodrill", *missing);
        return 1;
    }
    QApplication app(argc, argv);
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quodrill.Quodrill"));
    MainWindow window;
    openPuzzleFromArguments(window, QApplication::arguments());
    window.show();
    return app.exec();
}

}  // namespace quodrill
