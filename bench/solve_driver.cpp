// Solves puzzles end to end, the way the window does but without its 1 ms timer waits: rows
// written into the row boxes, Start pressed, ticks run until no timer is armed.
//
//   quodrill_solve [--reference] [--seed N] [--stats] < puzzles
//   quodrill_solve --print-examples
//
// Each input line is one puzzle of 81 characters, row after row, "0" or "." for a blank cell.
// Each output line is the grid as the chain left it (81 digits), like `qqwing --solve
// --one-line`. The generator is seeded with N (1 by default) and reseeds deterministically, so
// a run is repeatable. --reference solves with the reference engine of the tests instead.
// --print-examples prints the nine example puzzles in the input form.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "bench/bench_window.h"
#include "sources/examples.h"
#include "tests/support/replayable_random.h"
#include "tests/support/twin_session.h"

namespace quodrill::bench {
namespace {

constexpr long kMaxTicks = 10'000'000;

struct Totals {
    long puzzles = 0;
    long complete = 0;
    long ticks = 0;
    long passes = 0;
    long guesses = 0;
};

int run(int argc, char** argv) {
    EngineHandlers engine{};
    std::uint64_t seed = 1;
    bool stats = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view flag = argv[i];
        if (flag == "--reference") {
            engine = testing::referenceEngine();
        } else if (flag == "--print-examples") {
            for (const ExamplePuzzle& example : kExamplePuzzles) {
                for (const std::string_view row : example.rows) {
                    std::cout << row;
                }
                std::cout << '\n';
            }
            return 0;
        } else if (flag == "--stats") {
            stats = true;
        } else if (flag == "--seed" && i + 1 < argc) {
            seed = std::strtoull(argv[++i], nullptr, 10);
        } else {
            std::fprintf(stderr,
                         "usage: quodrill_solve [--reference] [--seed N] [--stats] "
                         "| --print-examples\n");
            return 2;
        }
    }

    Totals totals;
    const auto begin = std::chrono::steady_clock::now();
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.size() < 81) {
            continue;
        }
        std::array<std::string, 9> rows;
        std::array<std::string_view, 9> views;
        for (std::size_t r = 0; r < 9; ++r) {
            rows[r] = line.substr(r * 9, 9);
            for (char& ch : rows[r]) {
                ch = ch == '.' ? '0' : ch;
            }
            views[r] = rows[r];
        }
        PuzzleState state;
        testing::ReplayableRandom random(seed);
        BenchWindow window(state, random, engine);
        window.solve(views, kMaxTicks);

        std::string solved(81, '0');
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                const char cell = state.Grid[c][r];
                solved[static_cast<std::size_t>((r - 1) * 9 + c - 1)] = cell == '\0' ? '0' : cell;
            }
        }
        std::cout << solved << '\n';
        ++totals.puzzles;
        totals.complete += window.status == "Status : Complete" ? 1 : 0;
        totals.ticks += window.ticks;
        totals.passes += window.outputWrites;
        totals.guesses += state.GuessCount;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    if (stats) {
        std::fprintf(
            stderr, "%ld puzzles, %ld complete; %ld ticks, %ld passes, %ld guesses; %.6f s\n",
            totals.puzzles, totals.complete, totals.ticks, totals.passes, totals.guesses, seconds);
    }
    return 0;
}

}  // namespace
}  // namespace quodrill::bench

int main(int argc, char** argv) {
    return quodrill::bench::run(argc, argv);
}
