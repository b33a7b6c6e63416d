// The window operations on plain values, with the three one-shot timers in a queue that ticks
// when asked instead of after a millisecond: the window of the headless solver, of the tests
// (which wrap it to record) and of the benchmarks.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "events/engine_handlers.h"
#include "events/timer_queue.h"
#include "events/window_ops.h"
#include "solver/guess_outcomes.h"
#include "solver/puzzle_state.h"
#include "solver/random_source.h"

namespace quodrill {

class PlainWindow : public WindowOps {
  public:
    PlainWindow(PuzzleState& state, RandomSource& random, EngineHandlers engine = {});
    // With the outcomes of guesses kept elsewhere, to be reused from one window to the next.
    PlainWindow(PuzzleState& state, RandomSource& random, EngineHandlers engine,
                GuessOutcomes& outcomes);

    // WindowOps
    std::string rowText(int index) const override;
    void setRowText(int index, std::string_view text) override;
    void setStatusCaption(std::string_view text) override;
    void showSolveEnd(SolveEnd value) override;
    void countSolveRun(int runPasses) override;
    int guessLimit() const override { return maxGuesses; }
    bool showsOutputField() const override { return outputShown; }
    void showRepeatCountLabel() override;
    void setRepeatCountCaption(std::string_view text) override;
    void setOutputText(std::string_view text) override;
    std::string loadButtonCaption() const override;
    void setLoadButtonCaption(std::string_view text) override;
    void armTimer(TimerId timer) override;
    void disarmTimer(TimerId timer) override;
    void showWarningMessage(std::string_view prompt, std::string_view title) override;
    std::string runFileOpenDialog(std::string_view title, std::string_view filter) override;

    bool isArmed(TimerId timer) const { return timers_.isArmed(timer); }
    bool anyArmed() const { return timers_.anyArmed(); }
    // The timer that ticks next: the one armed earliest; false when none is armed.
    bool nextTimer(TimerId& timer) const {
        const std::optional<TimerId> next = timers_.next();
        if (next) {
            timer = *next;
        }
        return next.has_value();
    }
    // One tick of `timer`, as a one-shot timer ticks: it goes off, then its handler runs.
    void tick(TimerId timer);
    // The same tick with `handler` run in place of the engine's (the headless solver's
    // shortcuts), counted as any tick is.
    template <typename Handler>
    void tickWith(TimerId timer, Handler&& handler) {
        goOff(timer);
        handler();
    }
    // Ticks the timer armed earliest; false when none is armed.
    bool runOneTick();
    // Ticks until no timer is armed or `maxTicks` have run; returns the ticks run.
    long runUntilIdle(long maxTicks);

    void pressStart();
    // A person typing: appends the characters one at a time, each a change of the box.
    void typeInto(int row, std::string_view text);

    // What the controls show.
    std::array<std::string, 9> rows;
    std::string status;
    std::string repeatCount;
    bool repeatCountVisible = false;
    std::string output;
    std::string loadCaption;

    // Where the solve stands, as the handlers last set it.
    SolveEnd end = SolveEnd::Ready;
    // The guesses after which the guess tick stops the chain.
    int maxGuesses = kCounterLimit;
    // Whether `output` is kept up to date; without it the grid is not rendered after every pass.
    bool outputShown = true;

    // Passes of the solve runs as they report them, writes of the output field, ticks of the
    // restart timer and input-format messages shown so far.
    long passes = 0;
    long outputWrites = 0;
    long restarts = 0;
    int warningsShown = 0;
    long ticksRun() const { return ticks_; }

    GuessOutcomes& guessOutcomes();

  private:
    // Inline: every tick of the headless solver goes off here.
    void goOff(TimerId timer) {
        timers_.disarm(timer);
        ++ticks_;
        restarts += timer == TimerId::SBT ? 1 : 0;
    }

    PuzzleState& state_;
    RandomSource& random_;
    EngineHandlers engine_;
    GuessOutcomes* outcomes_ = nullptr;
    std::unique_ptr<GuessOutcomes> ownOutcomes_;  // made when first needed
    TimerQueue timers_;
    long ticks_ = 0;
};

}  // namespace quodrill
