// A puzzle written into the fake window and solved tick by tick, with the invariants checked
// after every tick and only the last tick's operations kept in the log, for long chains.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "solver/puzzle_state.h"
#include "tests/support/fake_window.h"
#include "tests/support/fuzz_random.h"

namespace quodrill::testing {

class CheckedChain {
  public:
    explicit CheckedChain(std::uint64_t seed);

    // Writes the nine rows as a paste into each box would.
    void setRows(const std::array<std::string_view, 9>& rows);

    // Runs up to `maxTicks` ticks and stops early when no timer is armed. Returns the first
    // broken invariant, or a solve run of more than 730 passes, or "" when all held.
    std::string runTicks(long maxTicks);

    long ticks() const { return ticks_; }
    long restarts() const { return restarts_; }
    long mostPassesInOneRun() const { return mostPasses_; }

    PuzzleState state;
    fuzzing::FuzzRandom random;
    FakeWindow window;

  private:
    long ticks_ = 0;
    long restarts_ = 0;
    long mostPasses_ = 0;
};

}  // namespace quodrill::testing
