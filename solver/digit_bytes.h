// Eight characters tested as one word: whether each is a digit "0" to "9" (or, by its top bit,
// plain ASCII), for the texts that every puzzle passes through (a line of --solve, the nine row
// texts at Start and as the row boxes keep them).
#pragma once

#include <cstdint>
#include <cstring>

namespace quodrill {

constexpr std::uint64_t kEachByte = 0x0101010101010101;
constexpr std::uint64_t kTopBits = 0x80 * kEachByte;

// The eight bytes from `text` as one word.
inline std::uint64_t eightBytes(const char* text) {
    std::uint64_t word = 0;
    std::memcpy(&word, text, sizeof word);
    return word;
}

// Whether every byte of `word` is "0" to "9". With no byte at 0x80 or above, no sum below carries
// from one byte into the next: the top bit of a byte of `fromZero` is set for "0" and above, that
// of `aboveNine` for ":" and above.
constexpr bool eightDigits(std::uint64_t word) {
    const std::uint64_t fromZero = (word | kTopBits) - '0' * kEachByte;
    const std::uint64_t aboveNine = word + (0x80 - ('9' + 1)) * kEachByte;
    return ((word | aboveNine | ~fromZero) & kTopBits) == 0;
}

}  // namespace quodrill
