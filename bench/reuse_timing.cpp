// The headless solver with and without the reuse of known runs, on files of puzzles (one a line,
// such as qqwing's by difficulty), with the same seed: the time each way and the figures, which
// must be the same.
//
//   quodrill_reuse_timing FILE...
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "headless/puzzle_solve.h"
#include "sources/puzzle_text.h"

namespace quodrill::bench {
namespace {

struct Totals {
    double seconds = 0;
    long passes = 0;
    long guesses = 0;
    long restarts = 0;
    long solved = 0;
    long stopped = 0;  // no single guess completes it
};

Totals solveAll(const std::vector<std::string>& puzzles, const SolveSettings& settings) {
    GuessOutcomes outcomes;
    Totals totals;
    const auto begin = std::chrono::steady_clock::now();
    for (const std::string& puzzle : puzzles) {
        SeededRandom random(1);
        const PuzzleSolve solve = solvePuzzle(puzzle, random, settings, outcomes);
        totals.passes += solve.passes;
        totals.guesses += solve.guesses;
        totals.restarts += solve.restarts;
        totals.solved += solve.end == SolveEnd::Solved ? 1 : 0;
        totals.stopped += solve.end == SolveEnd::NoGuessFinishes ? 1 : 0;
    }
    totals.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    return totals;
}

void report(const char* way, const Totals& totals) {
    std::printf(
        "  %-22s %9.1f ms  %8ld passes %7ld guesses %7ld restarts %5ld solved %4ld "
        "stopped\n",
        way, totals.seconds * 1000, totals.passes, totals.guesses, totals.restarts, totals.solved,
        totals.stopped);
}

}  // namespace
}  // namespace quodrill::bench

int main(int argc, char** argv) {
    using namespace quodrill;
    for (int i = 1; i < argc; ++i) {
        std::ifstream file(argv[i]);
        std::vector<std::string> puzzles;
        std::string line;
        while (std::getline(file, line)) {
            if (const PuzzleText read = parsePuzzleText(line)) {
                puzzles.push_back(read.cells);
            }
        }
        std::printf("%s: %zu puzzles\n", argv[i], puzzles.size());
        SolveSettings plain;
        plain.reuseRuns = false;
        SolveSettings reusing;
        SolveSettings exact;
        exact.exactChance = true;
        bench::report("every run run", bench::solveAll(puzzles, plain));
        bench::report("known runs reused", bench::solveAll(puzzles, reusing));
        bench::report("reused, exact chance", bench::solveAll(puzzles, exact));
    }
    return 0;
}
