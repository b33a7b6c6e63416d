// The puzzle file readers: Open's, which reads only a regular file of exactly 81 printable ASCII
// bytes, and the one of the command line and drops, which reads a puzzle text as it is pasted.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

#include "sources/puzzle_text.h"

namespace quodrill {

// A puzzle file holds exactly this many characters (and, being ASCII text, as many bytes).
constexpr std::size_t kPuzzleFileLength = 81;

// Why a file was not read, beyond what the system reports (errno values).
enum class FileReadError {
    NotRegularFile = 1,  // a directory, FIFO, device or socket
    WrongSize,           // not 81 bytes: refused before anything is read
    NotPrintableText,    // a control byte, or one outside ASCII (fewer characters than bytes)
    ShortRead,           // the file shrank while it was read
    TooLarge,            // more than kLongestPuzzleText bytes: refused before it is read whole
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

// Reads a file that may hold a puzzle written down as it is pasted: a regular file of at most
// kLongestPuzzleText bytes, any bytes, without a UTF-8 byte order mark that opens it. As safe as
// ReadTextFileContents: never opens a FIFO, device or socket, never reads more than one byte past
// that length, and always closes what it opened.
FileText readPuzzleTextFile(const std::string& filename);

}  // namespace quodrill

template <>
struct std::is_error_code_enum<quodrill::FileReadError> : std::true_type {};
