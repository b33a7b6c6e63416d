#include "events/solve_tick.h"

#include "events/output_field.h"

namespace quodrill {

namespace {

class OutputFieldWriter final : public PassObserver {
  public:
    explicit OutputFieldWriter(WindowOps& window) : window_(window) {}
    void afterPass(const PuzzleState& state) override { WriteOutputField(state, window_); }

  private:
    WindowOps& window_;
};

}  // namespace

void showRunOutcome(const RunOutcome& outcome, WindowOps& window) {
    if (outcome.solved) {
        window.showSolveEnd(SolveEnd::Solved);
    }
    switch (outcome.next) {
        case NextStage::Restart:
            window.armTimer(TimerId::SBT);
            break;
        case NextStage::Guess:
            window.armTimer(TimerId::Testt);
            break;
        case NextStage::None:
            break;
    }
}

void solveTick(PuzzleState& state, WindowOps& window, const RunEnd* known, SolveBoard* endBoard) {
    RunOutcome outcome;
    if (known == nullptr) {
        OutputFieldWriter writer(window);
        outcome = RunSolvePasses(state, writer, endBoard);
    } else {
        outcome = takeRunEnd(state, *known);
        WriteOutputField(state, window);
    }
    window.countSolveRun(outcome.passes);
    showRunOutcome(outcome, window);
    window.disarmTimer(TimerId::TT);
}

void TT_Timer(PuzzleState& state, WindowOps& window) {
    solveTick(state, window, nullptr);
}

}  // namespace quodrill
