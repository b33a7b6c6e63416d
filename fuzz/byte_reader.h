// Takes a fuzz input apart into the small numbers and texts that the fuzz targets decode their
// actions from; past the end of the input every read gives zeros or nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quodrill::fuzzing {

class ByteReader {
  public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return at_ >= size_; }

    std::uint8_t byte() { return empty() ? 0 : data_[at_++]; }

    // A number 0 to count - 1 (count at least 1).
    int below(int count) { return byte() % count; }

    // Up to `length` bytes as they are, fewer at the end of the input.
    std::string bytes(std::size_t length) {
        const std::size_t taken = length < size_ - at_ ? length : size_ - at_;
        std::string text(reinterpret_cast<const char*>(data_ + at_), taken);
        at_ += taken;
        return text;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// FNV-1a over the whole input: the seed of the session's generator.
inline std::uint64_t hashBytes(const std::uint8_t* data, std::size_t size) {
    std::uint64_t hash = 0xCBF2'9CE4'8422'2325ULL;
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ data[i]) * 0x0000'0100'0000'01B3ULL;
    }
    return hash;
}

}  // namespace quodrill::fuzzing
