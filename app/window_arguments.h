// The window's command line, read without the window toolkit: puzzle file names, the seed of the
// guesses, and the options of Qt's own that every Qt program takes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quodrill {

struct WindowArguments {
    std::vector<std::string> files;     // in the order given
    std::optional<std::uint64_t> seed;  // --seed N; none: the clock-seeded generator
    bool help = false;                  // -h, --help
    bool version = false;               // -V, --version
    std::string error;  // what is wrong with the arguments; empty when they are right
};

// Reads the arguments that follow the program's name: Qt's own options, with one or two dashes,
// followed by their value where they take one, then the rest as parseProgramOptions reads them
// without --solve (-s/--seed N, -h/--help, -V/--version and file names; the options of --solve
// are wrong there).
WindowArguments parseWindowArguments(const std::vector<std::string>& arguments);

}  // namespace quodrill
