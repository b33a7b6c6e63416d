// The three one-shot timers of a window without a window system: which are armed, and which of
// them was armed first and so ticks next.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "events/window_ops.h"

namespace quodrill {

class TimerQueue {
  public:
    // Arming an armed timer keeps its place in the queue.
    void arm(TimerId timer) {
        std::uint64_t& at = armedAt_[slot(timer)];
        if (at == 0) {
            at = ++sequence_;
        }
    }
    void disarm(TimerId timer) { armedAt_[slot(timer)] = 0; }
    bool isArmed(TimerId timer) const { return armedAt_[slot(timer)] != 0; }
    bool anyArmed() const { return next().has_value(); }

    // The timer armed earliest, or none. A disarmed timer's 0, less 1, comes after every other.
    std::optional<TimerId> next() const {
        std::size_t earliest = 0;
        std::uint64_t first = armedAt_[0] - 1;
        for (std::size_t i = 1; i < armedAt_.size(); ++i) {
            if (armedAt_[i] - 1 < first) {
                first = armedAt_[i] - 1;
                earliest = i;
            }
        }
        if (first == kNever) {
            return std::nullopt;
        }
        return static_cast<TimerId>(earliest);
    }

  private:
    static std::size_t slot(TimerId timer) { return static_cast<std::size_t>(timer); }

    static constexpr std::uint64_t kNever = ~std::uint64_t{0};

    std::array<std::uint64_t, kTimerCount> armedAt_{};  // 0 when disarmed
    std::uint64_t sequence_ = 0;
};

}  // namespace quodrill
