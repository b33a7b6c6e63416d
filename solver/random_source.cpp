#include "solver/random_source.h"

#include <chrono>

namespace quodrill {

int drawOneToNine(RandomSource& random) {
    const float r = random.next();
    if (!(r >= 0.0f && r < 1.0f)) {  // also NaN
        return r >= 1.0f ? 9 : 1;
    }
    const int draw = static_cast<int>(r * 9.0f + 1.0f);
    return draw > 9 ? 9 : draw;  // rounding can lift r * 9 + 1 to 10 only for r just below 1
}

namespace {

// splitmix64 step; the top 24 bits become the fraction.
float nextFraction(std::uint64_t& state) {
    state += 0x9E37'79B9'7F4A'7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EBULL;
    z ^= z >> 31;
    return static_cast<float>(z >> 40) * (1.0f / 16777216.0f);
}

}  // namespace

float ClockSeededRandom::next() {
    return nextFraction(state_);
}

void ClockSeededRandom::reseedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    state_ ^= static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

float SeededRandom::next() {
    return nextFraction(state_);
}

void SeededRandom::reseedFromClock() {
    state_ ^= kReseedValue;
}

}  // namespace quodrill
