#include "sources/puzzle_text.h"

namespace quodrill {

namespace {

bool isDrawing(char ch) {
    switch (ch) {
        case ' ':
        case '\t':
        case '\r':
        case '\n':
        case '|':
        case '-':
        case '+':
        case ',':
            return true;
        default:
            return false;
    }
}

}  // namespace

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

}  // namespace quodrill
