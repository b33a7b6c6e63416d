#include "events/guess_restart.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <string_view>

#include "events/captions.h"
#include "events/start.h"
#include "solver/guess.h"

namespace quodrill {

namespace {

// "Repeated calculation : " + count + " times", built in place.
class RepeatCountCaption {
  public:
    explicit RepeatCountCaption(std::int16_t count) {
        char* at = std::copy(captions::kRepeatCountPrefix.begin(),
                             captions::kRepeatCountPrefix.end(), chars_.begin());
        at = std::to_chars(at, chars_.end(), count).ptr;
        at =
            std::copy(captions::kRepeatCountSuffix.begin(), captions::kRepeatCountSuffix.end(), at);
        length_ = static_cast<std::size_t>(at - chars_.begin());
    }
    std::string_view view() const { return {chars_.data(), length_}; }

  private:
    std::array<char, 48> chars_{};
    std::size_t length_ = 0;
};

}  // namespace

void Testt_Timer(PuzzleState& state, WindowOps& window, RandomSource& random) {
    const GuessOutcome outcome = makeRandomGuess(state, random);
    if (outcome == GuessOutcome::CountAtLimit) {
        window.setStatusCaption(captions::kStatusStopped);
        window.disarmTimer(TimerId::Testt);
        return;
    }
    window.setRepeatCountCaption(RepeatCountCaption(state.GuessCount).view());
    window.armTimer(outcome == GuessOutcome::Placed ? TimerId::TT : TimerId::SBT);
    window.disarmTimer(TimerId::Testt);
}

void SBT_Timer(PuzzleState& state, WindowOps& window) {
    // Disarmed first so that the restart cannot run inside its own message box.
    window.disarmTimer(TimerId::SBT);
    state.SetUpDone = 0;
    SB_Click(state, window);
    window.disarmTimer(TimerId::SBT);
}

}  // namespace quodrill
