#include "headless/line_reader.h"

#include <limits>

namespace quodrill {

bool LineReader::next() {
    if (skipping_) {
        // The rest of a line found too long, read to its end but not kept.
        skipping_ = false;
        input_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        if (input_.bad() || input_.eof()) {
            return false;
        }
    }
    // Stores at most kLongestLine bytes; fails with none read at the end of the input, and with
    // kLongestLine read when the line goes on.
    input_.getline(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    std::streamsize length = input_.gcount();
    if (input_.bad() || (input_.fail() && length == 0)) {
        return false;
    }
    tooLong_ = input_.fail();
    if (tooLong_) {
        // Said at once, before the rest of the line, which may never end, is passed over.
        input_.clear();
        skipping_ = true;
        text_.clear();
    } else {
        if (!input_.eof()) {
            --length;  // the line break, counted but not stored
        }
        text_.assign(buffer_.data(), static_cast<std::size_t>(length));
    }
    ++number_;
    if (number_ == 1) {
        dropByteOrderMark(text_);
    }
    return true;
}

}  // namespace quodrill
