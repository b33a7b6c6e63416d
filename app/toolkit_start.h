// Starts Qt for the window. Where Qt would abort because its platform plugin cannot start (no
// display, a display that refuses the program or never answers, a platform that does not exist),
// says instead in one line why, in the words of Qt and the libraries under it, and exits with 1.
#pragma once

#include <QApplication>
#include <memory>

namespace quodrill {

// How long the window system may take to let Qt start before the start is given up.
constexpr int kToolkitAnswerSeconds = 20;

// The application, made from the command line, whose Qt options it takes out of argc and argv
// (both must outlive it). When it cannot be made, writes "quodrill: cannot open the window:
// REASON" to standard error and ends the program with status 1; what Qt and the libraries under
// it write while it starts goes to standard error only once it has started.
std::unique_ptr<QApplication> startToolkit(int& argc, char** argv);

}  // namespace quodrill
