// Puzzle files: the reader, the load of a file into the row boxes (from the load button, the
// command line or a drop) and the load button, which loads and empties the rows in turn.
#pragma once

#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "events/window_ops.h"
#include "solver/puzzle_state.h"

namespace quodrill {

// A puzzle file holds exactly this many characters (and, being ASCII text, as many bytes).
constexpr std::size_t kPuzzleFileLength = 81;

// Why a file was not read, beyond what the system reports (errno values).
enum class FileReadError {
    NotRegularFile = 1,  // a directory, FIFO, device or socket
    WrongSize,           // not 81 bytes: refused before anything is read
    NotPrintableText,    // a control byte, or one outside ASCII (fewer characters than bytes)
    ShortRead,           // the file shrank while it was read
};
const std::error_category& fileReadCategory();
std::error_code make_error_code(FileReadError error);

// The whole text of a file, or why it could not be had (number and description).
struct FileText {
    std::string text;
    std::error_code error;
    explicit operator bool() const { return !error; }
};

// Reads a puzzle file: only a regular file of 81 printable ASCII bytes is read. Never opens a
// FIFO, device or socket, never reads a file of another size, and always closes what it opened.
FileText ReadTextFileContents(const std::string& filename);

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

template <>
struct std::is_error_code_enum<quodrill::FileReadError> : std::true_type {};
