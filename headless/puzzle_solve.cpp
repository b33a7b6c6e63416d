#include "headless/puzzle_solve.h"

#include <chrono>

#include "events/output_field.h"
#include "events/plain_window.h"
#include "events/puzzle_loading.h"
#include "headless/run_reuse.h"

namespace quodrill {

PuzzleSolve solvePuzzle(std::string_view cells, RandomSource& random, const SolveSettings& settings,
                        GuessOutcomes& outcomes) {
    const auto begin = std::chrono::steady_clock::now();
    PuzzleState state;
    PlainWindow window(state, random, settings.engine, outcomes);
    window.maxGuesses = settings.maxGuesses;
    window.outputShown = false;  // only the grid at the end is printed
    outcomes.forget();
    writeDigitRows(window, cells);  // the reader gives digits alone

    RunReuse reuse(outcomes, random, settings.countPasses);
    TimerId timer = TimerId::TT;
    if (settings.reuseRuns) {
        reuse.pressStart(state, window);
        while (window.nextTimer(timer)) {
            reuse.tick(timer, state, window);
        }
    } else {
        window.pressStart();
        while (window.nextTimer(timer)) {
            window.tick(timer);
        }
    }

    PuzzleSolve solve;
    solve.end = window.end;
    const GridCells grid = gridCells(state.Grid);
    solve.grid.assign(grid.begin(), grid.end());
    solve.passes = settings.countPasses ? window.passes : -1;
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
