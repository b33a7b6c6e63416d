// What quodrill --solve says of how a solve ended: the CSV's outcome word and the phrase of its
// messages and --stats lines, both from the one end value, as the window's status caption is.
#pragma once

#include <string_view>

#include "events/solve_end.h"

namespace quodrill {

struct EndWords {
    std::string_view word;    // the CSV's outcome column
    std::string_view phrase;  // messages and --stats; the guess limit's is followed by the guesses
};

EndWords endWords(SolveEnd end);

}  // namespace quodrill
