// Puzzles written into the row boxes: from a file (the load button, the command line or a drop)
// or from cells already read (a paste), and the load button, which loads and empties the rows in
// turn.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "events/window_ops.h"
#include "solver/puzzle_state.h"

namespace quodrill {

// Writes a puzzle of 81 cell characters (at least that many) into the rows, nine per row from the
// top, as a load does: each row is emptied, then gets its characters appended one at a time, and
// every write is a change of the row. The status line then reads "Status : Ready (Fill in the
// numbers)", whatever an earlier puzzle left there. The load button is left as it is.
void writePuzzleRows(WindowOps& window, std::string_view cells);

// Writes a puzzle of 81 digits "0" to "9" into the rows a whole row at a time. No text made of
// digits is a keyword, so the rows, the set-up and the status end as writePuzzleRows leaves them,
// after a tenth of the writes.
void writeDigitRows(WindowOps& window, std::string_view cells);

// Reads the file with ReadTextFileContents and, when it was read, writes it into the rows and
// sets the load button's caption to "重新". Returns whether it loaded; a failure changes nothing.
bool loadPuzzleFile(WindowOps& window, const std::string& filename);

// Reads the file as a paste is read (readPuzzleTextFile, then parsePuzzleText: one line or nine,
// "." for a blank, a drawn grid) and, when it holds a puzzle, writes it into the rows and sets the
// load button's caption to "重新". Returns why it did not load, "NAME: not a puzzle (80 cells,
// not 81)" or "cannot read NAME: reason", and changes nothing then; empty when it loaded.
std::string loadPuzzleTextFile(WindowOps& window, const std::string& filename);

// What became of names given at once (the command line, a drop).
struct NamedFilesLoad {
    bool loaded = false;
    std::vector<std::string> refusals;  // why each name before the one that loaded was refused
};

// Loads the first of `filenames` that holds a puzzle, read as loadPuzzleTextFile reads it, and
// only that one: the names after it are not read.
NamedFilesLoad loadFirstPuzzleFile(WindowOps& window, const std::vector<std::string>& filenames);

// Click of Loadb. While its caption is "Open": the file-open dialog, then a content of exactly 81
// characters fills the rows nine per row and the caption becomes "重新"; every failure is silent
// and changes nothing. Otherwise: empties the rows, resets the set-up and the guess count and
// sets the caption back to "Open".
void Loadb_Click(PuzzleState& state, WindowOps& window);

}  // namespace quodrill
