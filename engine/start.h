// Start: validates the nine rows, sets up the grid and candidates and arms the solve run; with a
// set-up already done it only arms the solve run again.
#pragma once

#include "engine/puzzle_state.h"
#include "ui/window_ops.h"

namespace quodrill {

void SB_Click(PuzzleState& state, WindowOps& window);
void ShowInputFormatError(WindowOps& window);

// A row passes when it is exactly nine characters "0" to "9".
bool isValidRow(std::string_view row);

}  // namespace quodrill
