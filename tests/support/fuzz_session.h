// One run of the program for one fuzz input: the puzzle state, the fake window and a
// deterministic generator, with the invariants and the bounds on work checked after every
// handler, also for the timers that tick while a modal box is open.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "solver/puzzle_state.h"
#include "tests/support/fake_window.h"
#include "tests/support/fuzz_random.h"
#include "tests/support/invariants.h"

namespace quodrill::fuzzing {

// Prints what went wrong and aborts, so that libFuzzer keeps the input that got here.
[[noreturn]] void reportFault(std::string_view handler, std::string_view problem);

class FuzzSession {
  public:
    // A solve run ends after at most 730 passes: every pass but the last removes one of the 729
    // candidate entries, and nothing in a run sets one back.
    static constexpr long kPassesPerRun = 730;
    // A keyword fill, a file load (90 writes) or an emptied row: a few hundred at most.
    static constexpr long kChangesPerHandler = 1000;
    // T_Change nests one level when it fills an example, never deeper.
    static constexpr int kDeepestChangeNesting = 2;
    // Modal boxes inside timer handlers inside modal boxes, as deep as the fuzzers go.
    static constexpr int kDeepestModal = 2;

    explicit FuzzSession(std::uint64_t seed);
    FuzzSession(const FuzzSession&) = delete;
    FuzzSession& operator=(const FuzzSession&) = delete;

    // Runs one handler started by the user (typing, Start, the load button) and checks the
    // state and the work done afterwards.
    void userAction(std::string_view what, const std::function<void()>& handler);
    // Lets the earliest armed timer tick and checks after it; false when no timer is armed.
    bool tick();
    // Ticks until no timer is armed or `maxTicks` have run; returns the ticks run.
    int runChain(int maxTicks);

    // Aborts with `problem` unless `holds`.
    static void expect(bool holds, std::string_view handler, std::string_view problem);

    PuzzleState state;
    FuzzRandom random;
    testing::FakeWindow window;
    // Timer ticks let through while each modal box (the message, the file dialog) is open.
    int ticksWhileModal = 0;

  private:
    struct Work {
        long passes;
        long changes;
        long ticks;
    };
    Work work() const;
    void checkWork(std::string_view handler, const Work& before) const;
    void checkState(std::string_view handler, testing::CheckPoint point) const;
    void whileModalOpen();

    int modalDepth_ = 0;
};

}  // namespace quodrill::fuzzing
