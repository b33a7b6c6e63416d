// The window of the headless solver: the window operations on plain values, with timers that
// tick at once, one after the other, instead of after a millisecond.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "events/captions.h"
#include "events/window_ops.h"
#include "solver/puzzle_state.h"
#include "solver/random_source.h"

namespace quodrill {

class HeadlessWindow final : public WindowOps {
  public:
    HeadlessWindow(PuzzleState& state, RandomSource& random);

    // WindowOps
    std::string rowText(int index) const override;
    void setRowText(int index, std::string_view text) override;
    void setStatusCaption(std::string_view text) override { status = text; }
    void showRepeatCountLabel() override {}
    void setRepeatCountCaption(std::string_view text) override { repeatCount = text; }
    void setOutputText(std::string_view) override { ++passes; }
    std::string loadButtonCaption() const override { return loadCaption; }
    void setLoadButtonCaption(std::string_view text) override { loadCaption = text; }
    void armTimer(TimerId timer) override;
    void disarmTimer(TimerId timer) override;
    void showWarningMessage(std::string_view, std::string_view) override { ++warnings; }
    std::string runFileOpenDialog(std::string_view, std::string_view) override { return {}; }

    // The timer armed earliest; false when none is armed.
    bool nextTimer(TimerId& timer) const;
    // Runs the handler of `timer` as its tick would: the one-shot timer first goes off.
    void tick(TimerId timer);

    std::array<std::string, 9> rows;
    std::string status;
    std::string repeatCount;
    std::string loadCaption{captions::kLoadOpen};
    long passes = 0;    // the output field is written once a pass
    long restarts = 0;  // ticks of the restart timer
    int warnings = 0;   // the input-format message: Start refused the rows

  private:
    PuzzleState& state_;
    RandomSource& random_;
    std::array<std::uint64_t, kTimerCount> armedAt_{};
    std::uint64_t armSequence_ = 0;
};

}  // namespace quodrill
