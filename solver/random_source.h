// The pseudo-random generator behind the random guess: values 0 <= r < 1 in single precision,
// reseeded from the clock on request (or, for a reproducible solve, from a fixed value), and the
// draw rule that turns r into a number 1 to 9.
#pragma once

#include <cstdint>

namespace quodrill {

class SeededRandom;

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;  // 0 <= r < 1
    virtual void reseedFromClock() = 0;
    // The next value drawn as a number 1 to 9 by the rule of drawOneToNine, which a generator may
    // apply more cheaply to the values it makes.
    virtual int nextOneToNine();
    // Makes `copy` draw what this generator will draw from now on, where that is known in
    // advance; false where it is not (a reseed that mixes in the clock).
    virtual bool copyInto(SeededRandom& copy) const;
};

// The integer part of r * 9 + 1, exactly, so all nine are equally likely; a value outside [0, 1)
// from a faulty generator draws 1 or 9.
int drawOneToNine(RandomSource& random);

// The program's generator. Every program run starts from the same fixed state; nothing seeds it
// until the first reseed. Values carry 24 random bits, so every r is exactly k / 2^24 < 1.
class ClockSeededRandom final : public RandomSource {
  public:
    static constexpr std::uint64_t kStartState = 0x5155'4F44'5249'4C4CULL;

    explicit ClockSeededRandom(std::uint64_t state = kStartState) : state_(state) {}
    float next() override;
    int nextOneToNine() override;
    void reseedFromClock() override;

  private:
    std::uint64_t state_;
};

// The generator of a reproducible solve: the program's draws from a state given by the seed, and
// a reseed that mixes in a fixed value where the program's mixes in the clock, so that the same
// seed gives the same draws, run after run.
class SeededRandom final : public RandomSource {
  public:
    static constexpr std::uint64_t kReseedValue = 0xD1B5'4A32'D192'ED03ULL;

    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
    float next() override;
    int nextOneToNine() override;
    void reseedFromClock() override;
    bool copyInto(SeededRandom& copy) const override;

  private:
    std::uint64_t state_;
};

}  // namespace quodrill
