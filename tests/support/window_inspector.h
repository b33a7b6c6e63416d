// Reads the puzzle state of the real window, for the tests and benchmarks that check it.
#pragma once

#include "solver/puzzle_state.h"
#include "window/main_window.h"

namespace quodrill {

struct WindowInspector {
    static const PuzzleState& state(const MainWindow& window) { return window.state_; }
};

}  // namespace quodrill
