#include "headless/puzzle_solve.h"

#include <chrono>

#include "events/output_field.h"
#include "events/plain_window.h"
#include "events/puzzle_loading.h"
#include "headless/run_reuse.h"
#include "solver/grid_check.h"

namespace quodrill {

namespace {

// How the chain ended, read from the state it left.
SolveEnd endOf(const PuzzleState& state, bool stoppedAtLimit, GuessOutcomes& outcomes) {
    if (state.SolvedFlag == 1) {
        return SolveEnd::Solved;
    }
    if (stoppedAtLimit) {
        return SolveEnd::GuessLimit;
    }
    if (outcomes.isFor(state) && !outcomes.someGuessFinishes()) {
        return SolveEnd::NoGuessFinishes;
    }
    // Start refuses nothing but a grid that repeats a digit (the rows are written from 81 cells),
    // and then sets nothing up.
    return gridRepeatsDigit(state.Grid) && state.StallCount == 0 ? SolveEnd::Refused
                                                                 : SolveEnd::Unsolved;
}

}  // namespace

PuzzleSolve solvePuzzle(std::string_view cells, RandomSource& random, const SolveSettings& settings,
                        GuessOutcomes& outcomes) {
    const auto begin = std::chrono::steady_clock::now();
    PuzzleState state;
    PlainWindow window(state, random, settings.engine, outcomes);
    outcomes.forget();
    writePuzzleRows(window, cells);
    window.pressStart();

    RunReuse reuse(outcomes, settings.countPasses);
    bool stoppedAtLimit = false;
    TimerId timer = TimerId::TT;
    while (window.nextTimer(timer)) {
        if (timer == TimerId::Testt && state.GuessCount >= settings.maxGuesses) {
            stoppedAtLimit = true;
            break;
        }
        if (timer == TimerId::TT && settings.reuseRuns) {
            reuse.solveTick(state, window);
        } else {
            window.tick(timer);
        }
    }

    PuzzleSolve solve;
    solve.end = endOf(state, stoppedAtLimit, outcomes);
    const GridCells grid = gridCells(state.Grid);
    solve.grid.assign(grid.begin(), grid.end());
    solve.passes = settings.countPasses ? window.outputWrites : -1;
    solve.guesses = state.GuessCount;
    solve.restarts = window.restarts;
    if (settings.exactChance && outcomes.valid()) {
        outcomes.completeAll();
        solve.chance = outcomes.chance();
    }
    solve.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    return solve;
}

}  // namespace quodrill
