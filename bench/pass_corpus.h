// The states at the start of every pass that the nine examples go through when each is solved
// through Start and the chain of ticks with a fixed generator seed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "solver/puzzle_state.h"

namespace quodrill::bench {

struct ExamplePasses {
    int example = 0;  // 1 to 9
    std::vector<PuzzleState> states;
};

// At most `maxPerExample` states of each example, in the order the passes meet them.
std::vector<ExamplePasses> collectPassStates(std::uint64_t seed, std::size_t maxPerExample);

// One pass as the fast engine makes it in a run of a single pass: the board derived from the
// state, the pass, and the snapshot written back.
void fastSinglePass(PuzzleState& state);
// One pass of the reference engine.
void referencePass(PuzzleState& state);

}  // namespace quodrill::bench
