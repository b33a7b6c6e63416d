// The lines of one input of `quodrill --solve`, read with memory bounded whatever the input: a
// line too long to be a puzzle is told as soon as it is, and its rest read to its end but not
// kept.
#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <string>

#include "sources/puzzle_text.h"

namespace quodrill {

// The longest line that is kept, in bytes.
constexpr std::size_t kLongestLine = kLongestPuzzleText;

class LineReader {
  public:
    explicit LineReader(std::istream& input) : input_(input) {}

    // Reads the next line (or, for a line found too long, as much as tells it); false at the end
    // of the input. A read error of the stream goes to
    // the caller as the stream reports it.
    bool next();

    // The line without its line break, and without a UTF-8 byte order mark that opens the
    // input; empty for a line longer than kLongestLine bytes.
    const std::string& text() const { return text_; }
    bool tooLong() const { return tooLong_; }
    long number() const { return number_; }  // 1 for the first line

  private:
    std::istream& input_;
    std::array<char, kLongestLine + 1> buffer_{};
    std::string text_;
    bool tooLong_ = false;
    bool skipping_ = false;  // the rest of a line too long is to be passed over
    long number_ = 0;
};

}  // namespace quodrill
