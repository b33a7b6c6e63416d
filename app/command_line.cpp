#include "app/command_line.h"

#include <algorithm>
#include <iostream>
#include <vector>

#include "app/window_arguments.h"
#include "app/window_launch.h"
#include "headless/checked_output.h"
#include "headless/solve_command.h"
#include "headless/solve_options.h"

namespace quodrill {

namespace {

constexpr const char* kUsageLines =
    "Usage: quodrill [-s N] [FILE...]\n"
    "       quodrill --solve [-s N] [--max-guesses N] [-j N] [--stats] [--csv]\n"
    "                [--count-solutions] [FILE...]\n";

// Prints a text asked for by an option; the exit status.
int printText(const std::string& text) {
    std::cout << text;
    return flushOutput(std::cout, std::cerr) ? 0 : kWriteError;
}

int wrongOption(const std::string& error, bool withUsage) {
    std::cerr << "quodrill: " << error << '\n'
              << (withUsage ? kUsageLines : "") << "Try 'quodrill --help'.\n";
    return kUsageOrReadError;
}

}  // namespace

std::string usageText() {
    return std::string(kUsageLines) +
           "\n"
           "Without --solve, opens the window with the puzzle of the first FILE that holds\n"
           "one, on one line or nine (at most 4096 bytes); why each FILE before it was\n"
           "refused goes to standard error. Takes Qt's options too, such as -platform NAME.\n"
           "\n"
           "With --solve, needs no display: solves each puzzle of each FILE (standard input\n"
           "for none or -) as the window does and prints its grid as 81 digits on a line.\n"
           "A puzzle is 81 cells on one line, or nine consecutive lines of nine cells, each\n"
           "a digit, with 0 or '.' for a blank; white space and | - + , are passed over.\n"
           "\n"
           "  -s, --seed N         draw the guesses from seed N (0 to 2^64 - 1), the same\n"
           "                       way every run; without it the draws follow the clock\n"
           "      --max-guesses N  give up a puzzle that needs more than N guesses\n"
           "                       (0 to 32767, 32767 by default)\n"
           "  -j, --jobs N         solve N puzzles at once (1 to 256; by default one for\n"
           "                       each processor), with the same output, in input order\n"
           "      --stats          a line of figures for each puzzle, and their totals\n"
           "      --csv            one CSV record for each puzzle or refused line, with a\n"
           "                       header, in place of the grids and reasons\n"
           "      --count-solutions\n"
           "                       count each puzzle's solutions (0, 1, or 2 for two or\n"
           "                       more) on the --stats line or in the CSV\n"
           "  -h, --help           print this text\n"
           "  -V, --version        print the version and the licence\n"
           "A long option may be shortened while it stays unambiguous: --st for --stats.\n"
           "\n"
           "Exit status: 2 for a wrong option. With the window, 0 when it is closed, 1 when\n"
           "it cannot open (why goes to standard error) or the window program cannot be\n"
           "started. With --solve, 0 when every puzzle was solved, 1 when some were not, 2\n"
           "for an input that cannot be read or output that cannot be written.\n"
           "\n"
           "The manual page tells all: man quodrill\n";
}

std::string versionText() {
    return "quodrill " QUODRILL_VERSION
           "\n"
           "Copyright (c) 2026 The Quodrill developers\n"
           "License MIT: <https://opensource.org/licenses/MIT>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

int runCommandLine(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    if (asksToSolve(arguments)) {
        const ParsedSolveOptions parsed = parseSolveOptions(arguments);
        if (!parsed.error.empty()) {
            return wrongOption(parsed.error, false);
        }
        if (parsed.help || parsed.version) {
            return printText(parsed.help ? usageText() : versionText());
        }
        // Buffered standard streams of their own: fast reads, and a failed read with its reason.
        std::ios::sync_with_stdio(false);
        return runSolveCommand(parsed.options, std::cin, std::cout, std::cerr);
    }
    const WindowArguments window = parseWindowArguments(arguments);
    if (!window.error.empty()) {
        return wrongOption(window.error, true);
    }
    if (window.help || window.version) {
        return printText(window.help ? usageText() : versionText());
    }
    return startWindowProgram(argv);
}

}  // namespace quodrill
