// The windows of the benchmarks: the plain window driven through a whole solve, and a window that
// ignores every operation, for timing one pass alone.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "events/plain_window.h"
#include "events/window_ops.h"

namespace quodrill::bench {

// Writes the rows, presses Start and runs ticks until none is armed or `maxTicks` have run.
inline void solveRows(PlainWindow& window, const std::array<std::string_view, 9>& rows,
                      long maxTicks) {
    for (int i = 0; i < 9; ++i) {
        window.setRowText(i, rows[static_cast<std::size_t>(i)]);
    }
    window.pressStart();
    window.runUntilIdle(maxTicks);
}

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
