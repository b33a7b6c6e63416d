// A generator for running two engines side by side: seeded, with a reseed that depends only on
// the reseeds before it, so two of them given the same calls return the same values.
#pragma once

#include <cstdint>

#include "solver/random_source.h"

namespace quodrill::testing {

// The program's own generator underneath; every call is counted.
class ReplayableRandom final : public RandomSource {
  public:
    explicit ReplayableRandom(std::uint64_t seed) : seed_(seed), values_(seed) {}

    float next() override {
        ++draws;
        return values_.next();
    }
    void reseedFromClock() override {
        ++reseeds;
        values_ = ClockSeededRandom(seed_ ^ (0xD1B5'4A32'D192'ED03ULL * reseeds));
    }

    std::uint64_t draws = 0;
    std::uint64_t reseeds = 0;

  private:
    std::uint64_t seed_;
    ClockSeededRandom values_;
};

}  // namespace quodrill::testing
