// The program's options, read with getopt_long: those of `quodrill --solve` (the generator's
// seed, the guess limit, the statistics, the CSV, the solution counts, the threads that solve and
// the files to read), and those the window shares with it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quodrill {

struct SolveOptions {
    std::optional<std::uint64_t> seed;  // none: the program's clock-seeded generator
    int maxGuesses = 32767;
    bool stats = false;
    bool csv = false;                // one CSV record a puzzle in place of the grids
    bool countSolutions = false;     // on the --stats line or in the CSV
    std::optional<int> jobs;         // none: one for each processor the program may run on
    std::vector<std::string> files;  // none: standard input; "-" is standard input too
};

struct ParsedSolveOptions {
    SolveOptions options;
    bool help = false;
    bool version = false;
    std::string error;  // what is wrong with the arguments; empty when they are right
};

// The seed of --seed N, which the window takes too: a whole decimal number from 0 to 2^64 - 1;
// nothing for any other text.
std::optional<std::uint64_t> readSeed(std::string_view text);

// The most threads that --jobs starts.
constexpr int kMostJobs = 256;

// The processors the program may run on (1 to kMostJobs), the threads that solve by default.
int availableProcessors();

// What is wrong with a text that is not a seed.
std::string seedError(std::string_view text);

// Whether some argument before "--" is --solve, or an abbreviation that getopt_long takes for it.
bool asksToSolve(const std::vector<std::string>& arguments);

// Reads the arguments after the program's name with getopt_long, in any order: --solve,
// -s/--seed N (0 to 2^64 - 1), --max-guesses N (0 to 32767), --stats, --csv, --count-solutions,
// -j/--jobs N (1 to kMostJobs), -h/--help, -V/--version and file names; long options may be
// abbreviated as long as they stay unambiguous, and "--" ends the options. With `withSolve` false
// (the window's), the options that only --solve takes are wrong, with a message that says so.
ParsedSolveOptions parseProgramOptions(const std::vector<std::string>& arguments, bool withSolve);

// The arguments of `quodrill --solve`, with or without --solve among them.
ParsedSolveOptions parseSolveOptions(const std::vector<std::string>& arguments);

}  // namespace quodrill
