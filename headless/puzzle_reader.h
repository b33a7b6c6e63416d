// The puzzles of one input of `quodrill --solve`: a puzzle on one line, or on nine consecutive
// lines of nine cells each (the lines of a drawn grid and blank lines around them passed over),
// mixed freely, and what cannot be read either way with the reason.
#pragma once

#include <deque>
#include <istream>
#include <string>

#include "headless/line_reader.h"

namespace quodrill {

// One puzzle read, or one text that is not a puzzle.
struct ReadPuzzle {
    long line = 0;       // the first line it was read from, 1 for the first of the input
    std::string cells;   // the 81 cells "0" to "9", row after row; empty for a text refused
    std::string reason;  // why the text is not a puzzle, as puzzleTextRefusal says it
};

class PuzzleReader {
  public:
    explicit PuzzleReader(std::istream& input) : lines_(input) {}

    // Reads up to the next puzzle or refused text; false at the end of the input. A line too
    // long comes out as soon as it is found too long. A read error of the stream goes to the
    // caller as the stream reports it.
    bool next(ReadPuzzle& read);

  private:
    // The rows read so far of a puzzle written over nine lines.
    struct Rows {
        long firstLine = 0;
        int count = 0;
        std::string text;  // the lines read, each with a line break
    };

    void readLine();
    void addRow(const std::string& line);
    void endRows();  // rows fewer than nine are a text refused

    LineReader lines_;
    Rows rows_;
    std::deque<ReadPuzzle> ready_;  // at most two: rows left unfinished, then the line after them
};

}  // namespace quodrill
