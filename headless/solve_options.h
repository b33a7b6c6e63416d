// The options of `quodrill --solve`: the generator's seed, the guess limit, the statistics, the
// threads that solve and the files to read.
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
    std::optional<int> jobs;         // none: one for each processor the program may run on
    std::vector<std::string> files;  // none: standard input; "-" is standard input too
};

struct ParsedSolveOptions {
    SolveOptions options;
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

// Reads the arguments that follow `--solve` (in any order): --seed N (0 to 2^64 - 1),
// --max-guesses N (0 to 32767), --stats, --jobs N (1 to kMostJobs) and file names; "--" ends the
// options.
ParsedSolveOptions parseSolveOptions(const std::vector<std::string>& arguments);

}  // namespace quodrill
