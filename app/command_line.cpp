#include "app/command_line.h"

#include <algorithm>
#include <iostream>
#include <vector>

#include "app/window_arguments.h"
#include "app/window_launch.h"
#include "headless/checked_output.h"
#include "headless/solve_command.h"

namespace quodrill {

namespace {

// The arguments before "--", where options stand.
bool hasOption(const std::vector<std::string>& arguments, const std::string& option) {
    const auto end = std::find(arguments.begin(), arguments.end(), "--");
    return std::find(arguments.begin(), end, option) != end;
}

constexpr const char* kUsageLines =
    "Usage: quodrill [--seed N] [FILE...]\n"
    "       quodrill --solve [--seed N] [--max-guesses N] [--jobs N] [--stats] [FILE...]\n";

}  // namespace

std::string usageText() {
    return std::string(kUsageLines) +
           "\n"
           "Without --solve, opens the window, with the puzzle of the first FILE that holds\n"
           "one in its rows, written as for --solve on one line or nine (at most 4096 bytes);\n"
           "why each FILE before it was refused goes to standard error. It also takes the\n"
           "options of every Qt program, such as -platform NAME or -style NAME.\n"
           "\n"
           "With --solve, needs no display: reads one puzzle a line from each FILE, or from\n"
           "standard input when there is none or FILE is -, solves it as the window does and\n"
           "prints the solved grid as one line of 81 digits. A puzzle is 81 cells, each a digit\n"
           "or '.', with 0 or '.' for a blank; spaces and the characters | - + , are passed\n"
           "over.\n"
           "\n"
           "  --seed N         draw the guesses from seed N (0 to 18446744073709551615), the\n"
           "                   same way every run; without it the draws follow the clock. The\n"
           "                   window starts the draws afresh whenever the rows change, so\n"
           "                   that its first Start on a puzzle guesses as --solve does\n"
           "  --max-guesses N  give up a puzzle that needs more than N guesses (0 to 32767,\n"
           "                   32767 by default, where the window stops)\n"
           "  --jobs N         solve N puzzles at once (1 to 256; by default one for each\n"
           "                   processor), with the output of one at a time, in input order\n"
           "  --stats          print the passes, guesses, restarts and time of each puzzle,\n"
           "                   and their totals\n"
           "  -h, --help       print this text\n"
           "  --version        print the version\n"
           "\n"
           "Exit status: 2 for a wrong option. With the window, 0 when it is closed, 1 when\n"
           "it cannot open (why goes to standard error) or the window program cannot be\n"
           "started. With --solve, 0 when every puzzle was solved, 1 when some were not, 2\n"
           "for an input that cannot be read or output that cannot be written.\n";
}

int runCommandLine(int argc, char** argv) {
    std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    if (hasOption(arguments, "--help") || hasOption(arguments, "-h")) {
        std::cout << usageText();
        return flushOutput(std::cout, std::cerr) ? 0 : kWriteError;
    }
    if (hasOption(arguments, "--version")) {
        std::cout << "quodrill " QUODRILL_VERSION "\n";
        return flushOutput(std::cout, std::cerr) ? 0 : kWriteError;
    }
    if (hasOption(arguments, "--solve")) {
        arguments.erase(std::find(arguments.begin(), arguments.end(), "--solve"));
        // Buffered standard streams of their own: fast reads, and a failed read with its reason.
        std::ios::sync_with_stdio(false);
        return runSolveCommand(arguments, std::cin, std::cout, std::cerr);
    }
    const WindowArguments window = parseWindowArguments(arguments);
    if (!window.error.empty()) {
        std::cerr << "quodrill: " << window.error << '\n'
                  << kUsageLines << "Try 'quodrill --help'.\n";
        return kUsageOrReadError;
    }
    return startWindowProgram(argv);
}

}  // namespace quodrill
