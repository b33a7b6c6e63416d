#include "tests/support/fuzz_random.h"

#include "tests/support/fuzz_session.h"

namespace quodrill::fuzzing {

float FuzzRandom::next() {
    ++draws_;
    if (++drawsInHandler_ > kDrawsPerHandler) {
        reportFault("random draws", "one handler drew more than a million values: it never ends");
    }
    return values_.next();
}

void FuzzRandom::reseedFromClock() {
    seed_ = seed_ * 0x2545'F491'4F6C'DD1DULL + 0x1234'5678'9ABC'DEF1ULL;
    values_ = ClockSeededRandom(seed_);
}

}  // namespace quodrill::fuzzing
