// A deterministic generator for the fuzzers: the same input always draws the same values, and a
// handler that draws without end is stopped as a fault.
#pragma once

#include <cstdint>

#include "solver/random_source.h"

namespace quodrill::fuzzing {

class FuzzRandom final : public RandomSource {
  public:
    // One guess draws on average a few dozen values; a million means it no longer ends.
    static constexpr long kDrawsPerHandler = 1'000'000;

    explicit FuzzRandom(std::uint64_t seed) : seed_(seed), values_(seed) {}

    float next() override;
    // Stirs the state in a fixed way instead of reading the clock.
    void reseedFromClock() override;

    // Starts counting the draws of a new handler.
    void startHandler() { drawsInHandler_ = 0; }
    long draws() const { return draws_; }

  private:
    std::uint64_t seed_;
    ClockSeededRandom values_;
    long draws_ = 0;
    long drawsInHandler_ = 0;
};

}  // namespace quodrill::fuzzing
