#include "sources/puzzle_text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "solver/digit_bytes.h"

namespace quodrill {

namespace {

bool isDrawing(char ch) {
    switch (ch) {
        case '|':
        case '-':
        case '+':
        case ',':
            return true;
        default:
            return isWhiteSpace(ch);
    }
}

// Copies a text of digits and "." alone into `cells`, a "." as "0", eight bytes at a time; false,
// with `cells` unfinished, when the text holds any other byte.
bool copyPlainCells(std::string_view text, char* cells) {
    constexpr std::uint64_t kLow = 0x7F * kEachByte;
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= text.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word = eightBytes(text.data() + at);
        // The top bit of each byte that is ".", exactly: no sum carries from one byte into the
        // next. Adding 2 to such a byte makes it "0".
        const std::uint64_t other = word ^ ('.' * kEachByte);
        const std::uint64_t dots = ~(((other & kLow) + kLow) | other | kLow);
        word += dots >> 6;
        if (!eightDigits(word)) {
            return false;
        }
        std::memcpy(cells + at, &word, sizeof word);
    }
    for (; at < text.size(); ++at) {
        const char ch = text[at];
        if ((ch < '0' || ch > '9') && ch != '.') {
            return false;
        }
        cells[at] = ch == '.' ? '0' : ch;
    }
    return true;
}

}  // namespace

bool isWhiteSpace(char ch) {
    switch (ch) {
        case ' ':
        case '\t':
        case '\n':
        case '\r':
        case '\f':
        case '\v':
            return true;
        default:
            return false;
    }
}

PuzzleText parsePuzzleText(std::string_view text) {
    PuzzleText result;
    // The cells are gathered on the stack, and the text of a puzzle is made once.
    std::array<char, kPuzzleCells> cells;
    // Every line of --solve comes through here, most of them 81 cells and nothing else.
    if (text.size() == kPuzzleCells && copyPlainCells(text, cells.data())) {
        result.cells.assign(cells.data(), cells.size());
        result.cellCount = kPuzzleCells;
        return result;
    }
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char ch = text[at];
        if (static_cast<unsigned char>(ch - '0') <= 9 || ch == '.') {
            if (count < kPuzzleCells) {
                cells[count] = ch == '.' ? '0' : ch;
            }
            ++count;
        } else if (result.strayAt == std::string_view::npos && !isDrawing(ch)) {
            result.strayAt = at;
        }
    }
    result.cellCount = count;
    if (result) {
        result.cells.assign(cells.data(), cells.size());
    }
    return result;
}

std::string puzzleTextRefusal(std::string_view text, const PuzzleText& read) {
    if (read.strayAt == std::string_view::npos || read.strayAt >= text.size()) {
        return std::to_string(read.cellCount) + (read.cellCount == 1 ? " cell" : " cells") +
               ", not " + std::to_string(kPuzzleCells);
    }
    const auto byte = static_cast<unsigned char>(text[read.strayAt]);
    char what[16];
    if (byte >= 0x20 && byte < 0x7F) {
        std::snprintf(what, sizeof what, "'%c'", byte);
    } else {
        std::snprintf(what, sizeof what, "byte 0x%02X", byte);
    }
    const std::string_view before = text.substr(0, read.strayAt);
    const std::size_t lineStart = before.rfind('\n') + 1;  // 0 on the first line
    const std::string column = "column " + std::to_string(read.strayAt - lineStart + 1);
    // A line break with something after it other than line breaks: more than one line.
    const std::size_t lastByte = text.find_last_not_of("\r\n");
    if (text.find('\n') >= lastByte) {
        return std::string(what) + " at " + column + " is not a cell";
    }
    return std::string(what) + " at line " +
           std::to_string(std::count(before.begin(), before.end(), '\n') + 1) + ", " + column +
           " is not a cell";
}

std::string tooLongForPuzzle() {
    return "longer than " + std::to_string(kLongestPuzzleText) + " bytes";
}

std::string notAPuzzle(std::string_view reason) {
    return "not a puzzle (" + std::string(reason) + ")";
}

}  // namespace quodrill
