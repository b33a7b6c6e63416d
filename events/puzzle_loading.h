// Puzzles written into the row boxes: from a file (the load button, the command line or a drop)
// or from cells already read, and the load button, which loads and empties the rows in turn.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "events/window_ops.h"
#include "solver/puzzle_state.h"

namespace quodrill {

// Writes a puzzle of 81 cell characters (at least that many) into the rows, nine per row from the
// top, as a load does: each row is emptied, then gets its characters appended one at a time, and
// every write is a change of the row. The load button is left as it is.
void writePuzzleRows(WindowOps& window, std::string_view cells);

// Reads the file with ReadTextFileContents and, when it was read, writes it into the rows and
// sets the load button's caption to "重新". Returns whether it loaded; a failure changes nothing.
bool loadPuzzleFile(WindowOps& window, const std::string& filename);

// Loads the first of `filenames` that names a regular file, and only that one; a missing file,
// a folder or anything else before it is passed over. Returns whether it loaded.
bool loadFirstRegularFile(WindowOps& window, const std::vector<std::string>& filenames);

// Click of Loadb. While its caption is "Open": the file-open dialog, then a content of exactly 81
// characters fills the rows nine per row and the caption becomes "重新"; every failure is silent
// and changes nothing. Otherwise: empties the rows, resets the set-up and the guess count and
// sets the caption back to "Open".
void Loadb_Click(PuzzleState& state, WindowOps& window);

}  // namespace quodrill
