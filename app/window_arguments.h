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
    std::string error;  // what is wrong with the arguments; empty when they are right
};

// Reads the arguments that follow the program's name. An argument that starts with "-" (but is
// not "-" itself) before "--" is --seed N (or --seed=N, read as `quodrill --solve` reads it) or
// one of Qt's options, with one or two dashes, followed by its value where it takes one; any
// other is an unknown option.
WindowArguments parseWindowArguments(const std::vector<std::string>& arguments);

}  // namespace quodrill
