// The nine built-in example puzzles, picked by typing "test1" to "test9" into the first row, and
// the row-change handler that resets the set-up and fills them in.
#pragma once

#include <array>
#include <string_view>

#include "events/window_ops.h"
#include "solver/puzzle_state.h"

namespace quodrill {

struct ExamplePuzzle {
    std::string_view keyword;
    std::array<std::string_view, 9> rows;  // T(0) to T(8)
};

extern const std::array<ExamplePuzzle, 9> kExamplePuzzles;

// Runs on every change of the text of row box T(index), typed or written by the program.
void T_Change(PuzzleState& state, WindowOps& window, int index);

}  // namespace quodrill
