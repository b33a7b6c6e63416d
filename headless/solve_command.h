// `quodrill --solve`: solves one puzzle a line from files or standard input, without a window,
// and prints each solved grid as one line of 81 digits.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quodrill {

// Exit statuses of the headless solver.
constexpr int kAllSolved = 0;
constexpr int kSomeNotSolved = 1;
constexpr int kUsageOrReadError = 2;
constexpr int kWriteError = 2;  // standard output refused a write: the run stops there

// Runs the solver with the arguments that follow `--solve`; reads `input` for "-" or when no
// file is named. Grids (and with --stats the figures) go to `output`, reasons to `errors`; the
// first write to `output` that fails ends the run.
int runSolveCommand(const std::vector<std::string>& arguments, std::istream& input,
                    std::ostream& output, std::ostream& errors);

}  // namespace quodrill
