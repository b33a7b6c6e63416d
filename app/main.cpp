// Quodrill: a desktop program that solves 9x9 number-placement puzzles.
#include <QApplication>
#include <iostream>

#include "app/display_check.h"
#include "window/main_window.h"

int main(int argc, char* argv[]) {
    if (!quodrill::displayAvailable()) {
        std::cerr << quodrill::noDisplayMessage(argc > 0 ? argv[0] : "quodrill");
        return 1;
    }
    QApplication app(argc, argv);
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quodrill.Quodrill"));
    quodrill::MainWindow window;
    window.show();
    return app.exec();
}
