#include "bench/pass_corpus.h"

#include "bench/bench_window.h"
#include "events/output_field.h"
#include "solver/solve_run.h"
#include "sources/examples.h"
#include "tests/oracle/oracle_engine.h"
#include "tests/support/replayable_random.h"

namespace quodrill::bench {

std::vector<ExamplePasses> collectPassStates(std::uint64_t seed, std::size_t maxPerExample) {
    std::vector<ExamplePasses> corpus;
    for (std::size_t e = 0; e < kExamplePuzzles.size(); ++e) {
        ExamplePasses passes;
        passes.example = static_cast<int>(e) + 1;
        PuzzleState state;
        testing::ReplayableRandom random(seed);
        PlainWindow window(state, random);
        for (int i = 0; i < 9; ++i) {
            window.setRowText(i, kExamplePuzzles[e].rows[static_cast<std::size_t>(i)]);
        }
        window.pressStart();
        TimerId timer = TimerId::TT;
        while (passes.states.size() < maxPerExample && window.nextTimer(timer)) {
            if (timer == TimerId::TT) {
                // Replays the run pass by pass on a copy, keeping the state at each pass start.
                PuzzleState run = state;
                run.SolvedFlag = 0;
                SilentWindow silent;
                do {
                    passes.states.push_back(run);
                } while (passes.states.size() < maxPerExample &&
                         !oracle::runSolvePass(run, silent));
            }
            window.runOneTick();
        }
        corpus.push_back(std::move(passes));
    }
    return corpus;
}

namespace {

// Renders the output text after each pass, as the program does, into a window that shows
// nothing.
class SilentOutput final : public PassObserver {
  public:
    void afterPass(const PuzzleState& state) override { WriteOutputField(state, window_); }

  private:
    SilentWindow window_;
};

}  // namespace

void fastSinglePass(PuzzleState& state) {
    SilentOutput silent;
    SolveBoard board = loadBoard(state);
    runSolvePass(state, board, silent);
}

void referencePass(PuzzleState& state) {
    SilentWindow silent;
    oracle::runSolvePass(state, silent);
}

}  // namespace quodrill::bench
