// How many solutions a puzzle has, for --count-solutions: none, one, or two and more, counted by
// the completion search that also judges the solver's guesses.
#pragma once

#include <string>
#include <string_view>

#include "solver/completions.h"

namespace quodrill {

// The solutions of the 81 cells "0" to "9" (as parsePuzzleText gives them): 0, 1, 2 for two or
// more, or kCompletionsUnknown when the search gave up (after kCompletionSearchSteps cells
// tried, which puzzles with few digits and no solution can take). A digit repeated: 0.
int countSolutions(std::string_view cells);

// The count in words for the --stats line: "it has no solution", "it has 1 solution", "it has 2
// or more solutions", or "its solutions are not known (the count gave up)".
std::string solutionsInWords(int solutions);

}  // namespace quodrill
