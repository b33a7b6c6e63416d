#include "app/window_start.h"

#include <QApplication>
#include <QFile>
#include <iostream>
#include <string>
#include <vector>

#include "app/window_arguments.h"
#include "events/puzzle_loading.h"
#include "window/main_window.h"

namespace quodrill {

std::string applyWindowArguments(MainWindow& window, const QStringList& arguments,
                                 std::ostream& errors) {
    std::vector<std::string> texts;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        texts.push_back(QFile::encodeName(arguments[i]).toStdString());
    }
    const WindowArguments parsed = parseWindowArguments(texts);
    if (!parsed.error.empty()) {
        return parsed.error;
    }
    if (parsed.seed) {
        window.drawGuessesFromSeed(*parsed.seed);
    }
    for (const std::string& refusal : loadFirstPuzzleFile(window, parsed.files).refusals) {
        errors << "quodrill: " << refusal << '\n';
    }
    return {};
}

int runWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quodrill.Quodrill"));
    MainWindow window;
    if (const std::string error =
            applyWindowArguments(window, QApplication::arguments(), std::cerr);
        !error.empty()) {
        std::cerr << "quodrill: " << error << '\n';
        return 2;  // a wrong option, as quodrill says it
    }
    window.show();
    return app.exec();
}

}  // namespace quodrill
