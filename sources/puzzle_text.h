// A whole puzzle as people write it down and paste it: 81 cells, each a digit or "." for a
// blank, on one line or nine, with or without the lines of a drawn grid.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quodrill {

constexpr std::size_t kPuzzleCells = 81;

// The most bytes a puzzle text may hold, a file read as one or a line of `quodrill --solve`: far
// more than 81 cells with the spaces, line breaks and grid drawing of any written-down puzzle
// between them.
constexpr std::size_t kLongestPuzzleText = 4096;

// Takes a UTF-8 byte order mark off the start of a text read as puzzle text, as editors write it.
inline void dropByteOrderMark(std::string& text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) {
        text.erase(0, kByteOrderMark.size());
    }
}

struct PuzzleText {
    std::string cells;          // the 81 cell characters, "0" for a blank, row after row
    std::size_t cellCount = 0;  // digits and dots found
    // Where the first character that is neither a cell nor part of the drawing stands (0-based),
    // or npos.
    std::size_t strayAt = std::string_view::npos;
    explicit operator bool() const { return strayAt == std::string_view::npos && cellCount == 81; }
};

// White space in puzzle text: space, tab, line feed, carriage return, form feed and vertical tab.
bool isWhiteSpace(char ch);

// Reads the cells of `text` (UTF-8): "0" to "9" and "." (a blank, which becomes "0"); white space
// and the grid drawing characters "|", "-", "+" and "," are passed over. Any other character, or
// a count of cells other than 81, refuses the text: `cells` is then empty.
PuzzleText parsePuzzleText(std::string_view text);

// Why `text`, which `read` refused, is not a puzzle: "80 cells, not 81", or "'x' at line 2,
// column 5 is not a cell" (a byte outside printable ASCII as "byte 0xFF"; lines and columns
// counted from 1, columns in bytes; the line is named only when the text holds more than one).
std::string puzzleTextRefusal(std::string_view text, const PuzzleText& read);

// Why a text too long to read is not a puzzle: "longer than 4096 bytes".
std::string tooLongForPuzzle();

// The one way every reader says that a text is not a puzzle, after its name: "not a puzzle
// (reason)", the reason as puzzleTextRefusal or tooLongForPuzzle gives it.
std::string notAPuzzle(std::string_view reason);

}  // namespace quodrill
