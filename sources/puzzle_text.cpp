#include "sources/puzzle_text.h"

#include <algorithm>
#include <cstdio>

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
    result.cells.reserve(kPuzzleCells);
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char ch = text[at];
        if ((ch >= '0' && ch <= '9') || ch == '.') {
            ++result.cellCount;
            if (result.cells.size() < kPuzzleCells) {
                result.cells += ch == '.' ? '0' : ch;
            }
        } else if (!isDrawing(ch) && result.strayAt == std::string_view::npos) {
            result.strayAt = at;
        }
    }
    if (!result) {
        result.cells.clear();
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
