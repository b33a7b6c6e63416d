// Where a solve stands: one value, set by the handler that decides it when it decides it. The
// status caption (captions::statusCaption) and the words of --solve are each one mapping from it.
#pragma once

#include <cstdint>

namespace quodrill {

// The values run from 0 without a gap: the list of status captions is made by walking them.
enum class SolveEnd : std::uint8_t {
    Ready,            // nothing set up since the rows last came in
    Running,          // set up and solving: the chain of runs, guesses and restarts goes on
    Solved,           // the last run left a full grid without a repeated digit
    RowRefused,       // Start refused a row that is not nine digits, and emptied it
    DigitRepeats,     // Start refused the rows: a digit repeats in a row, column or box
    GuessLimit,       // the guess that was due would have passed the limit
    NoGuessFinishes,  // a cycle stalled where it had stalled before, and no single guess finishes
};

}  // namespace quodrill
