// The plain window of the tests: it records every window operation, answers the file-open dialog
// as told and lets a test run code while a modal box is open.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "events/engine_handlers.h"
#include "events/plain_window.h"
#include "events/window_ops.h"
#include "solver/puzzle_state.h"
#include "solver/random_source.h"

namespace quodrill::testing {

// The plain window, with a record of every window operation that changes something.
class FakeWindow final : public PlainWindow {
  public:
    FakeWindow(PuzzleState& state, RandomSource& random, EngineHandlers engine = {});

    // WindowOps
    void setRowText(int index, std::string_view text) override;
    void setStatusCaption(std::string_view text) override;
    void showRepeatCountLabel() override;
    void setRepeatCountCaption(std::string_view text) override;
    void setOutputText(std::string_view text) override;
    void setLoadButtonCaption(std::string_view text) override;
    void armTimer(TimerId timer) override;
    void disarmTimer(TimerId timer) override;
    void showWarningMessage(std::string_view prompt, std::string_view title) override;
    std::string runFileOpenDialog(std::string_view title, std::string_view filter) override;

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
    // Runs while the warning message or the file-open dialog is open, as the timers of a real
    // window tick inside a modal box.
    std::function<void()> whileModalOpen;

  private:
    void record(std::string line);

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
