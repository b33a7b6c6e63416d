// The plain search for the completions of a grid that the program's count must match: every blank
// cell filled in turn, the one with the fewest digits left first, with no reasoning in between.
#pragma once

#include "solver/completions.h"

namespace quodrill::oracle {

// How many cells the plain search may try to fill.
inline constexpr long kPlainSearchSteps = 200000;

// As quodrill::countCompletions: completions of `grid` within `candidates` up to `limit`, the first
// one found written into `first`, kCompletionsUnknown after trying `maxSteps` cells.
int countCompletions(const GridArray& grid, const CandidateMasks& candidates, int limit,
                     GridArray& first, long maxSteps = kPlainSearchSteps);

}  // namespace quodrill::oracle
