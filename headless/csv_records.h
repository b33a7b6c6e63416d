// The output of `quodrill --solve --csv`: a header, then one RFC 4180 record for every puzzle
// read and every text refused as no puzzle, with what became of it.
#pragma once

#include <string>
#include <string_view>

#include "headless/puzzle_solve.h"
#include "headless/solve_queue.h"

namespace quodrill {

// The columns beyond the fixed ones: those of --stats, and that of --count-solutions.
struct CsvColumns {
    bool stats = false;
    bool solutions = false;
};

// "input,line,puzzle,solution,outcome,reason,guesses,restarts", then ",passes,chance" with
// --stats and ",solutions" with --count-solutions; the line ends in CR LF.
std::string csvHeader(const CsvColumns& columns);

// The record of a line delivered in turn; `reason` is what the program says of a puzzle not
// solved, or of a text that is not a puzzle (empty for a puzzle solved).
std::string csvRecord(const QueuedLine& line, std::string_view reason, const CsvColumns& columns);

}  // namespace quodrill
