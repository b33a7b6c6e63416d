// Two fake windows, one on the program's engine and one on the reference engine, driven through
// the same actions and compared after each: state, controls, window operations, timers, draws.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "solver/puzzle_state.h"
#include "tests/support/fake_window.h"
#include "tests/support/puzzle_generator.h"
#include "tests/support/replayable_random.h"

namespace quodrill::testing {

// The reference engine's handlers, for a fake window.
EngineHandlers referenceEngine();

// The first difference between two puzzle states, described, or "" when they are equal.
std::string describeStateDifference(const PuzzleState& fast, const PuzzleState& reference);

class TwinSession {
  public:
    explicit TwinSession(std::uint64_t seed);
    TwinSession(const TwinSession&) = delete;
    TwinSession& operator=(const TwinSession&) = delete;

    // One side: a puzzle state, its generator and its window.
    struct Side {
        Side(std::uint64_t seed, EngineHandlers engine);
        EngineHandlers engine;  // what the window runs: the handlers of this side's engine
        PuzzleState state;
        ReplayableRandom random;
        FakeWindow window;
    };

    // Does the same to both sides, then compares them. Returns false, now and for every later
    // action, once they differ; `difference()` then says how, after which actions.
    bool act(std::string_view what, const std::function<void(Side&)>& action);

    bool writeRow(int index, std::string_view text);
    bool writeRows(const RowTexts& rows);
    bool typeInto(int index, std::string_view text);
    bool pressStart();
    // One tick of the event loop; false when no timer was armed or the sides differ.
    bool tick();
    // Ticks until no timer is armed, `maxTicks` have run or the sides differ; returns the ticks.
    int runTicks(int maxTicks);

    bool same() const { return difference_.empty(); }
    bool anyArmed() const { return fast_.window.anyArmed(); }
    const std::string& difference() const { return difference_; }
    const PuzzleState& fastState() const { return fast_.state; }
    const FakeWindow& fastWindow() const { return fast_.window; }
    long passes() const { return passes_; }

  private:
    std::string compare() const;

    Side fast_;
    Side reference_;
    std::deque<std::string> recent_;  // the last actions, for the report
    std::string difference_;
    long actions_ = 0;
    long passes_ = 0;
};

}  // namespace quodrill::testing
