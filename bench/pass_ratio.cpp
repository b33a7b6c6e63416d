// Times one pass of each engine on every state that the nine examples pass through, side by
// side state by state, and prints the ratio per example and its median over all states.
//
//   quodrill_pass_ratio [--seed N] [--max-states N] [--only fast|reference]
//
// With --only, every state gets one pass of that engine and nothing is timed: for counting
// instructions under callgrind.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "bench/pass_corpus.h"

namespace quodrill::bench {
namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    std::uint64_t seed = 1;
    std::size_t maxStates = 2000;
    std::string only;
};

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view flag = argv[i];
        if (flag == "--seed") {
            options.seed = std::strtoull(argv[i + 1], nullptr, 10);
        } else if (flag == "--max-states") {
            options.maxStates = std::strtoull(argv[i + 1], nullptr, 10);
        } else if (flag == "--only") {
            options.only = argv[i + 1];
        }
    }
    return options;
}

// Nanoseconds per pass: the least over `batches` batches of `reps` passes, each on a fresh copy.
template <typename Pass>
double nanosPerPass(const PuzzleState& start, Pass pass, int reps, int batches) {
    double best = 1e300;
    PuzzleState work;
    for (int b = 0; b < batches; ++b) {
        const auto begin = Clock::now();
        for (int r = 0; r < reps; ++r) {
            work = start;
            pass(work);
            benchmark::DoNotOptimize(work);
            benchmark::ClobberMemory();
        }
        const double nanos = std::chrono::duration<double, std::nano>(Clock::now() - begin).count();
        best = std::min(best, nanos / reps);
    }
    return best;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0.0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int run(const Options& options) {
    const std::vector<ExamplePasses> corpus = collectPassStates(options.seed, options.maxStates);

    if (!options.only.empty()) {
        const bool fast = options.only == "fast";
        std::size_t passes = 0;
        for (const ExamplePasses& example : corpus) {
            for (const PuzzleState& start : example.states) {
                PuzzleState work = start;
                fast ? fastSinglePass(work) : referencePass(work);
                benchmark::DoNotOptimize(work);
                ++passes;
            }
        }
        std::printf("%zu passes of the %s engine\n", passes, fast ? "fast" : "reference");
        return 0;
    }

    std::printf("%-8s %7s %16s %14s %13s %11s %11s\n", "example", "states", "reference ns",
                "fast ns", "median ratio", "min ratio", "max ratio");
    std::vector<double> allRatios;
    std::vector<double> allReference;
    std::vector<double> allFast;
    for (const ExamplePasses& example : corpus) {
        std::vector<double> ratios;
        std::vector<double> reference;
        std::vector<double> fast;
        for (const PuzzleState& start : example.states) {
            const double f = nanosPerPass(start, fastSinglePass, 50, 3);
            const double o = nanosPerPass(start, referencePass, 2, 3);
            reference.push_back(o);
            fast.push_back(f);
            ratios.push_back(o / f);
        }
        std::printf("test%-4d %7zu %16.0f %14.0f %13.1f %11.1f %11.1f\n", example.example,
                    example.states.size(), median(reference), median(fast), median(ratios),
                    *std::min_element(ratios.begin(), ratios.end()),
                    *std::max_element(ratios.begin(), ratios.end()));
        allRatios.insert(allRatios.end(), ratios.begin(), ratios.end());
        allReference.insert(allReference.end(), reference.begin(), reference.end());
        allFast.insert(allFast.end(), fast.begin(), fast.end());
    }
    std::printf("%-8s %7zu %16.0f %14.0f %13.1f %11.1f %11.1f\n", "all", allRatios.size(),
                median(allReference), median(allFast), median(allRatios),
                *std::min_element(allRatios.begin(), allRatios.end()),
                *std::max_element(allRatios.begin(), allRatios.end()));
    return 0;
}

}  // namespace
}  // namespace quodrill::bench

int main(int argc, char** argv) {
    return quodrill::bench::run(quodrill::bench::parse(argc, argv));
}
