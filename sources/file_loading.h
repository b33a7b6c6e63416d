// The load button: reads a puzzle file of 81 characters into the row boxes, or empties them, in
// turn; and the file reader behind it.
#pragma once

#include <string>
#include <system_error>

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

// Click of Loadb. While its caption is "Open": the file-open dialog, then a content of exactly 81
// characters fills the rows nine per row and the caption becomes "重新"; every failure is silent
// and changes nothing. Otherwise: empties the rows, resets the set-up and the guess count and
// sets the caption back to "Open".
void Loadb_Click(PuzzleState& state, WindowOps& window);

}  // namespace quodrill

template <>
struct std::is_error_code_enum<quodrill::FileReadError> : std::true_type {};
