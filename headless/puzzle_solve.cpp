#include "headless/puzzle_solve.h"

#include <chrono>

#include "events/captions.h"
#include "events/start.h"
#include "headless/headless_window.h"
#include "sources/file_loading.h"

namespace quodrill {

namespace {

std::string gridDigits(const GridArray& grid) {
    std::string digits;
    digits.reserve(81);
    for (int r = kFirst; r <= kLast; ++r) {
        for (int c = kFirst; c <= kLast; ++c) {
            digits += isBlank(grid[c][r]) ? kBlankCell : grid[c][r];
        }
    }
    return digits;
}

SolveEnd endOf(const HeadlessWindow& window, bool stoppedAtLimit) {
    if (window.warnings > 0) {
        return SolveEnd::Refused;
    }
    if (stoppedAtLimit || window.status == captions::kStatusStopped) {
        return SolveEnd::GuessLimit;
    }
    return window.status == captions::kStatusComplete ? SolveEnd::Solved : SolveEnd::Unsolved;
}

}  // namespace

PuzzleSolve solvePuzzle(std::string_view cells, RandomSource& random, int maxGuesses) {
    const auto begin = std::chrono::steady_clock::now();
    PuzzleState state;
    HeadlessWindow window(state, random);
    writePuzzleRows(window, cells);
    SB_Click(state, window);

    bool stoppedAtLimit = false;
    TimerId timer = TimerId::TT;
    while (window.warnings == 0 && window.nextTimer(timer)) {
        if (timer == TimerId::Testt && state.GuessCount >= maxGuesses) {
            stoppedAtLimit = true;
            break;
        }
        window.tick(timer);
    }

    PuzzleSolve solve;
    solve.end = endOf(window, stoppedAtLimit);
    solve.grid = gridDigits(state.Grid);
    solve.passes = window.passes;
    solve.guesses = state.GuessCount;
    solve.restarts = window.restarts;
    solve.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    return solve;
}

}  // namespace quodrill
