// Solves puzzles as `quodrill --solve --seed N` does, but with the reference engine of the tests
// in place of the program's, so that the two can be measured side by side.
//
//   quodrill_reference_solve [--seed N] < puzzles
//   quodrill_reference_solve --print-examples
//
// Each input line is one puzzle as `quodrill --solve` reads it; each output line is the grid as
// the chain left it (81 digits). --print-examples prints the nine example puzzles, one a line.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "headless/puzzle_solve.h"
#include "sources/examples.h"
#include "sources/puzzle_text.h"
#include "tests/support/twin_session.h"

namespace quodrill::bench {
namespace {

int run(int argc, char** argv) {
    std::uint64_t seed = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view flag = argv[i];
        if (flag == "--print-examples") {
            for (const ExamplePuzzle& example : kExamplePuzzles) {
                for (const std::string_view row : example.rows) {
                    std::cout << row;
                }
                std::cout << '\n';
            }
            return 0;
        }
        if (flag == "--seed" && i + 1 < argc) {
            seed = std::strtoull(argv[++i], nullptr, 10);
            continue;
        }
        std::fprintf(stderr, "usage: quodrill_reference_solve [--seed N] | --print-examples\n");
        return 2;
    }
    SolveSettings settings;
    settings.reuseRuns = false;  // every run is run, as the window runs it
    settings.engine = testing::referenceEngine();
    GuessOutcomes outcomes;
    std::string line;
    while (std::getline(std::cin, line)) {
        const PuzzleText puzzle = parsePuzzleText(line);
        if (!puzzle) {
            continue;
        }
        SeededRandom random(seed);
        std::cout << solvePuzzle(puzzle.cells, random, settings, outcomes).grid << '\n';
    }
    return 0;
}

}  // namespace
}  // namespace quodrill::bench

int main(int argc, char** argv) {
    return quodrill::bench::run(argc, argv);
}
