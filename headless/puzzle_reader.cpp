#include "headless/puzzle_reader.h"

#include <algorithm>

#include "sources/puzzle_text.h"

namespace quodrill {

namespace {

constexpr std::size_t kRowCells = 9;
constexpr int kRows = 9;

bool isBlank(const std::string& line) {
    return std::all_of(line.begin(), line.end(), isWhiteSpace);
}

}  // namespace

bool PuzzleReader::next(ReadPuzzle& read) {
    while (ready_.empty() && lines_.next()) {
        readLine();
    }
    if (ready_.empty()) {
        endRows();  // rows unfinished at the end of the input
    }
    if (ready_.empty()) {
        return false;
    }
    read = std::move(ready_.front());
    ready_.pop_front();
    return true;
}

void PuzzleReader::readLine() {
    const long number = lines_.number();
    if (lines_.tooLong()) {
        endRows();
        ready_.push_back({number, {}, tooLongForPuzzle()});
        return;
    }
    const std::string& line = lines_.text();
    PuzzleText text = parsePuzzleText(line);
    const bool onlyCells = text.strayAt == std::string::npos;
    if (onlyCells && text.cellCount == 0) {
        // White space or the drawing between rows: a blank line ends the rows of a puzzle.
        if (isBlank(line)) {
            endRows();
        }
        return;
    }
    if (onlyCells && text.cellCount == kRowCells) {
        addRow(line);
        return;
    }
    endRows();
    if (text) {
        ready_.push_back({number, std::move(text.cells), {}});
    } else {
        ready_.push_back({number, {}, puzzleTextRefusal(line, text)});
    }
}

void PuzzleReader::addRow(const std::string& line) {
    if (rows_.count == 0) {
        rows_.firstLine = lines_.number();
    }
    rows_.text += line;
    rows_.text += '\n';
    if (++rows_.count == kRows) {
        PuzzleText text = parsePuzzleText(rows_.text);
        ready_.push_back({rows_.firstLine, std::move(text.cells), {}});
        rows_ = {};
    }
}

void PuzzleReader::endRows() {
    if (rows_.count == 0) {
        return;
    }
    const PuzzleText text = parsePuzzleText(rows_.text);
    ready_.push_back({rows_.firstLine, {}, puzzleTextRefusal(rows_.text, text)});
    rows_ = {};
}

}  // namespace quodrill
