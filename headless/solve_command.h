// `quodrill --solve`: solves the puzzles of files or standard input (one line or nine each),
// without a window, and prints each solved grid as one line of 81 digits, or a CSV record.
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

struct SolveOptions;

// Runs the solver as `options` ask; reads `input` for "-" or when no file is named. Grids (and
// with --stats the figures), or the CSV records, go to `output`, reasons to `errors`; the first
// write to `output` that fails ends the run.
int runSolveCommand(const SolveOptions& options, std::istream& input, std::ostream& output,
                    std::ostream& errors);

// The same with the options read from `arguments` (as parseSolveOptions reads them); a wrong
// option is said on `errors`.
int runSolveCommand(const std::vector<std::string>& arguments, std::istream& input,
                    std::ostream& output, std::ostream& errors);

}  // namespace quodrill
