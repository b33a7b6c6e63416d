#include "fuzz/fuzz_random.h"

#include "fuzz/fuzz_session.h"

namespace quodrill::fuzzing {

float FuzzRandom::next() {
    ++draws_;
    if (++drawsInHandler_ > kDrawsPerHandler) {
        reportFault("random draws", "one handler drew more than a million values: it never ends");
    }
    // splitmix64; the top 24 bits make r = k / 2^24, always below 1.
    state_ += 0x9E37'79B9'7F4A'7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EBULL;
    z ^= z >> 31;
    return static_cast<float>(z >> 40) * (1.0f / 16777216.0f);
}

void FuzzRandom::reseedFromClock() {
    state_ = state_ * 0x2545'F491'4F6C'DD1DULL + 0x1234'5678'9ABC'DEF1ULL;
}

}  // namespace quodrill::fuzzing
