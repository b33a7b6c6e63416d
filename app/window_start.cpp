#include "app/window_start.h"

#include <QApplication>
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "app/toolkit_start.h"
#include "app/window_arguments.h"
#include "events/puzzle_loading.h"
#include "window/main_window.h"

namespace quodrill {

std::string applyWindowArguments(MainWindow& window, const std::vector<std::string>& arguments,
                                 std::ostream& errors) {
    const WindowArguments parsed = parseWindowArguments(arguments);
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
    // Takes Qt's own options out of argv; where Qt cannot start, says why and exits.
    const std::unique_ptr<QApplication> app = startToolkit(argc, argv);
    // The names as the bytes they were given: QApplication::arguments() decodes them, and a name
    // that is not UTF-8 would no longer name its file.
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quodrill.Quodrill"));
    MainWindow window;
    if (const std::string error = applyWindowArguments(window, arguments, std::cerr);
        !error.empty()) {
        std::cerr << "quodrill: " << error << '\n';
        return 2;  // a wrong option, as quodrill says it
    }
    window.show();
    return QApplication::exec();
}

}  // namespace quodrill
