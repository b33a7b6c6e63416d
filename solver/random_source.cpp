#include "solver/random_source.h"

#include <chrono>

namespace quodrill {

int drawOneToNine(RandomSource& random) {
    const float r = random.next();
    if (!(r >= 0.0f && r < 1.0f)) {  // also NaN
        return r >= 1.0f ? 9 : 1;
    }
    // In double, r * 9 + 1 is exact for every r of 24 bits (in single precision it rounds up to
    // the next whole number just below 1/9, 2/9, 4/9 and 8/9), so its integer part is the rule's.
    return static_cast<int>(static_cast<double>(r) * 9.0 + 1.0);
}

int RandomSource::nextOneToNine() {
    return drawOneToNine(*this);
}

namespace {

constexpr int kFractionBits = 24;

// splitmix64 step; its top 24 bits k make the value k / 2^24.
std::uint64_t nextBits(std::uint64_t& state) {
    state += 0x9E37'79B9'7F4A'7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EBULL;
    z ^= z >> 31;
    return z >> (64 - kFractionBits);
}

float nextFraction(std::uint64_t& state) {
    return static_cast<float>(nextBits(state)) * (1.0f / (1u << kFractionBits));
}

// The draw rule on the value k / 2^24: the integer part of k * 9 / 2^24 + 1, in integers.
int nextDraw(std::uint64_t& state) {
    return static_cast<int>((nextBits(state) * 9) >> kFractionBits) + 1;
}

}  // namespace

float ClockSeededRandom::next() {
    return nextFraction(state_);
}

int ClockSeededRandom::nextOneToNine() {
    return nextDraw(state_);
}

void ClockSeededRandom::reseedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    state_ ^= static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

bool RandomSource::copyInto(SeededRandom&) const {
    return false;
}

bool SeededRandom::copyInto(SeededRandom& copy) const {
    copy = *this;
    return true;
}

float SeededRandom::next() {
    return nextFraction(state_);
}

int SeededRandom::nextOneToNine() {
    return nextDraw(state_);
}

void SeededRandom::reseedFromClock() {
    state_ ^= kReseedValue;
}

}  // namespace quodrill
