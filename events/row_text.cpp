#include "events/row_text.h"

#include <cstddef>

#include "solver/digit_bytes.h"

namespace quodrill {

namespace {

struct Character {
    std::size_t bytes = 1;
    int units = 1;  // UTF-16 units
};

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The character that starts at `at`: its length in bytes and in UTF-16 units.
Character characterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    int units = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        units = 2;
    }
    if (at + length > text.size()) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[at + i]))) {
            return {};
        }
    }
    return {length, units};
}

}  // namespace

std::string_view keptRowText(std::string_view text) {
    // Nine bytes of plain ASCII, as the rows of a puzzle are, are nine characters of one unit.
    static_assert(kRowBoxLength == 9);
    if (text.size() >= kRowBoxLength) {
        const auto ninth = static_cast<unsigned char>(text[8]);
        if (((eightBytes(text.data()) & kTopBits) | (ninth & 0x80)) == 0) {
            return text.substr(0, kRowBoxLength);
        }
    }
    std::size_t at = 0;
    int units = 0;
    while (at < text.size()) {
        const Character next = characterAt(text, at);
        if (units + next.units > kRowBoxLength) {
            break;
        }
        units += next.units;
        at += next.bytes;
    }
    return text.substr(0, at);
}

}  // namespace quodrill
