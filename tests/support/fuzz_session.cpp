#include "tests/support/fuzz_session.h"

#include <cstdio>
#include <cstdlib>

#include "events/captions.h"
#include "events/output_field.h"

namespace quodrill::fuzzing {

void reportFault(std::string_view handler, std::string_view problem) {
    std::fprintf(stderr, "\n*** fault after %.*s: %.*s\n", static_cast<int>(handler.size()),
                 handler.data(), static_cast<int>(problem.size()), problem.data());
    std::abort();
}

void FuzzSession::expect(bool holds, std::string_view handler, std::string_view problem) {
    if (!holds) {
        reportFault(handler, problem);
    }
}

FuzzSession::FuzzSession(std::uint64_t seed) : random(seed), window(state, random) {
    window.logging = false;  // the log would grow with every pass
    window.whileModalOpen = [this] { whileModalOpen(); };
}

FuzzSession::Work FuzzSession::work() const {
    return {window.outputWrites, window.changeRuns, window.ticksRun()};
}

void FuzzSession::checkWork(std::string_view handler, const Work& before) const {
    const Work after = work();
    const long ticks = after.ticks - before.ticks;
    expect(after.passes - before.passes <= kPassesPerRun * ticks, handler,
           "more passes than 730 per solve run");
    expect(after.changes - before.changes <= kChangesPerHandler * (1 + ticks), handler,
           "more than 1000 row changes in one handler");
    expect(window.deepestChangeNesting <= kDeepestChangeNesting, handler,
           "T_Change nested more than one level deep");
}

void FuzzSession::checkState(std::string_view handler, testing::CheckPoint point) const {
    const std::string found = testing::findInvariantViolation(state, window.status, point);
    expect(found.empty(), handler, found);
    expect(window.loadCaption == captions::kLoadOpen || window.loadCaption == captions::kLoadReset,
           handler, "the load button shows neither \"Open\" nor \"重新\"");
}

void FuzzSession::userAction(std::string_view what, const std::function<void()>& handler) {
    const Work before = work();
    random.startHandler();
    handler();
    checkWork(what, before);
    checkState(what, testing::CheckPoint::BetweenHandlers);
}

bool FuzzSession::tick() {
    if (!window.anyArmed()) {
        return false;
    }
    const Work before = work();
    random.startHandler();
    window.runOneTick();
    checkWork("a timer tick", before);

    // A solve run opens no modal box, so a tick with passes and no tick inside it was TT's.
    const Work after = work();
    const bool solveRun = after.passes > before.passes && after.ticks == before.ticks + 1;
    checkState("a timer tick", solveRun ? testing::CheckPoint::AfterSolveRun
                                        : testing::CheckPoint::BetweenHandlers);
    if (solveRun) {
        expect(window.output == renderGrid(state.Grid).view(), "a solve run",
               "the output field does not show the grid of the last pass");
    }
    return true;
}

int FuzzSession::runChain(int maxTicks) {
    int ticks = 0;
    while (ticks < maxTicks && tick()) {
        ++ticks;
    }
    return ticks;
}

void FuzzSession::whileModalOpen() {
    if (modalDepth_ >= kDeepestModal) {
        return;
    }
    ++modalDepth_;
    const int ticks = ticksWhileModal;
    for (int i = 0; i < ticks && tick(); ++i) {
    }
    --modalDepth_;
}

}  // namespace quodrill::fuzzing
