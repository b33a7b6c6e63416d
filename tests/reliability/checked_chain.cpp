#include "tests/reliability/checked_chain.h"

#include <algorithm>

#include "events/captions.h"
#include "tests/support/invariants.h"

namespace quodrill::testing {

CheckedChain::CheckedChain(std::uint64_t seed) : random(seed), window(state, random) {}

void CheckedChain::setRows(const std::array<std::string_view, 9>& rows) {
    for (int i = 0; i < 9; ++i) {
        window.setRowText(i, rows[static_cast<std::size_t>(i)]);
    }
}

std::string CheckedChain::runTicks(long maxTicks) {
    for (long i = 0; i < maxTicks && window.anyArmed(); ++i) {
        const long passesBefore = window.outputWrites;
        window.log.clear();  // only this tick's operations, so that a long chain keeps no log
        random.startHandler();
        window.runOneTick();
        ++ticks_;
        const long passes = window.outputWrites - passesBefore;
        mostPasses_ = std::max(mostPasses_, passes);
        if (std::find(window.log.begin(), window.log.end(), "disarm SBT") != window.log.end()) {
            ++restarts_;
        }
        if (passes > 730) {
            return "a solve run made " + std::to_string(passes) + " passes";
        }
        // Only a solve run writes the output field.
        const CheckPoint point =
            passes > 0 ? CheckPoint::AfterSolveRun : CheckPoint::BetweenHandlers;
        std::string found = findInvariantViolation(state, window.status, point);
        if (!found.empty()) {
            return "tick " + std::to_string(ticks_) + ": " + found;
        }
    }
    return {};
}

}  // namespace quodrill::testing
