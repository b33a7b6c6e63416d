// A window of plain values for measuring the engine: no record of operations, timers that tick
// at once (no 1 ms waits), and the chain of set-up, runs, guesses and restarts run to its end.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "events/window_ops.h"
#include "solver/puzzle_state.h"
#include "solver/random_source.h"
#include "tests/support/fake_window.h"

namespace quodrill::bench {

using testing::EngineHandlers;

class BenchWindow final : public WindowOps {
  public:
    BenchWindow(PuzzleState& state, RandomSource& random, EngineHandlers engine);

    std::string rowText(int index) const override;
    void setRowText(int index, std::string_view text) override;
    void setStatusCaption(std::string_view text) override { status = text; }
    void showRepeatCountLabel() override {}
    void setRepeatCountCaption(std::string_view text) override { repeatCount = text; }
    void setOutputText(std::string_view text) override;
    std::string loadButtonCaption() const override { return "Open"; }
    void setLoadButtonCaption(std::string_view) override {}
    void armTimer(TimerId timer) override;
    void disarmTimer(TimerId timer) override;
    void showWarningMessage(std::string_view, std::string_view) override { ++warnings; }
    std::string runFileOpenDialog(std::string_view, std::string_view) override { return {}; }

    // The timer armed earliest, if any.
    bool nextTimer(TimerId& timer) const;
    // Runs the handler of the timer armed earliest; false when none is armed.
    bool runOneTick();
    void pressStart() { engine_.startClick(state_, *this); }
    // Writes the rows, presses Start and runs ticks until none is armed or `maxTicks` have run.
    void solve(const std::array<std::string_view, 9>& rows, long maxTicks);

    std::array<std::string, 9> rows;
    std::string status;
    std::string repeatCount;
    std::string output;
    long outputWrites = 0;  // one per pass
    long ticks = 0;
    int warnings = 0;

  private:
    PuzzleState& state_;
    RandomSource& random_;
    EngineHandlers engine_;
    std::array<std::uint64_t, kTimerCount> armedAt_{};
    std::uint64_t armSequence_ = 0;
};

// A window that ignores every operation: for timing one pass alone.
class SilentWindow final : public WindowOps {
  public:
    std::string rowText(int) const override { return {}; }
    void setRowText(int, std::string_view) override {}
    void setStatusCaption(std::string_view) override {}
    void showRepeatCountLabel() override {}
    void setRepeatCountCaption(std::string_view) override {}
    void setOutputText(std::string_view) override {}
    std::string loadButtonCaption() const override { return {}; }
    void setLoadButtonCaption(std::string_view) override {}
    void armTimer(TimerId) override {}
    void disarmTimer(TimerId) override {}
    void showWarningMessage(std::string_view, std::string_view) override {}
    std::string runFileOpenDialog(std::string_view, std::string_view) override { return {}; }
};

}  // namespace quodrill::bench
