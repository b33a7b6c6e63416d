// A window made of plain values for driving the engine and the puzzle sources without a window
// system, with a tiny manual event loop for the three one-shot timers.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "events/guess_restart.h"
#include "events/solve_tick.h"
#include "events/start.h"
#include "events/window_ops.h"
#include "solver/puzzle_state.h"
#include "solver/random_source.h"

namespace quodrill::testing {

// The engine's handlers that the window runs: the program's engine unless another one (the
// reference engine of the differential test) is given.
struct EngineHandlers {
    void (*startClick)(PuzzleState&, WindowOps&) = SB_Click;
    void (*solveTick)(PuzzleState&, WindowOps&) = TT_Timer;
    void (*guessTick)(PuzzleState&, WindowOps&, RandomSource&) = Testt_Timer;
    void (*restartTick)(PuzzleState&, WindowOps&) = SBT_Timer;

    // Runs the handler of `timer`.
    void runTimer(TimerId timer, PuzzleState& state, WindowOps& window,
                  RandomSource& random) const {
        switch (timer) {
            case TimerId::TT:
                solveTick(state, window);
                break;
            case TimerId::Testt:
                guessTick(state, window, random);
                break;
            case TimerId::SBT:
                restartTick(state, window);
                break;
        }
    }
};

class FakeWindow final : public WindowOps {
  public:
    FakeWindow(PuzzleState& state, RandomSource& random, EngineHandlers engine = {});

    // WindowOps
    std::string rowText(int index) const override;
    void setRowText(int index, std::string_view text) override;
    void setStatusCaption(std::string_view text) override;
    void showRepeatCountLabel() override;
    void setRepeatCountCaption(std::string_view text) override;
    void setOutputText(std::string_view text) override;
    std::string loadButtonCaption() const override;
    void setLoadButtonCaption(std::string_view text) override;
    void armTimer(TimerId timer) override;
    void disarmTimer(TimerId timer) override;
    void showWarningMessage(std::string_view prompt, std::string_view title) override;
    std::string runFileOpenDialog(std::string_view title, std::string_view filter) override;

    // What the controls show.
    std::array<std::string, 9> rows;
    std::string status;
    std::string repeatCount;
    bool repeatCountVisible = false;
    std::string output;
    std::string loadCaption;

    // Every warning shown, as (prompt, title); the box "closes" at once.
    std::vector<std::pair<std::string, std::string>> warnings;
    // The name the file-open dialog reports, and every (title, filter) it was shown with.
    std::string dialogAnswer;
    std::vector<std::pair<std::string, std::string>> dialogs;
    // Every window operation that changes something, in order, as one line each.
    std::vector<std::string> log;
    bool logging = true;
    // T_Change runs so far, and the deepest nesting of them seen.
    int changeRuns = 0;
    int deepestChangeNesting = 0;
    // Writes of the output field so far: one per pass of a solve run.
    long outputWrites = 0;
    // Runs while the warning message or the file-open dialog is open, as the timers of a real
    // window tick inside a modal box.
    std::function<void()> whileModalOpen;

    bool isArmed(TimerId timer) const { return armedAt_[index(timer)] != 0; }
    bool anyArmed() const;

    // Runs the handler of the timer armed earliest; false when no timer is armed.
    bool runOneTick();
    // Runs ticks until none is armed or `maxTicks` have run; returns the ticks run.
    long runUntilIdle(long maxTicks);
    long ticksRun() const { return ticks_; }

    // A person typing: appends the characters one at a time, each a change of the box.
    void typeInto(int row, std::string_view text);
    void pressStart();

  private:
    static int index(TimerId timer) { return static_cast<int>(timer); }
    void record(std::string line);

    PuzzleState& state_;
    RandomSource& random_;
    EngineHandlers engine_;
    std::array<std::uint64_t, kTimerCount> armedAt_{};
    std::uint64_t armSequence_ = 0;
    long ticks_ = 0;
    int changeNesting_ = 0;
};

// A generator that returns the given values in turn, then repeats the last one; reseeds are
// counted and change nothing.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}
    float next() override;
    void reseedFromClock() override {
        ++reseeds;
        drawnAtReseed = drawn;
    }

    int reseeds = 0;
    std::size_t drawn = 0;
    std::size_t drawnAtReseed = 0;  // values drawn before the last reseed

  private:
    std::vector<float> values_;
};

// r for which a draw gives `value` (1 to 9).
constexpr float drawValue(int value) {
    return (static_cast<float>(value) - 0.5f) / 9.0f;
}

const char* timerName(TimerId timer);

}  // namespace quodrill::testing
