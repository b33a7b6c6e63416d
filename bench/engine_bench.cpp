// Google Benchmark, the fast engine beside the reference engine of the tests:
//   pass/<engine>/testN   one pass on the states that example N passes through (the fast engine
//                         counted as a run of one pass: board derived, pass, snapshot written)
//   solve/<engine>/testN  example N solved through Start and the chain of ticks, without timer
//                         waits, with a fixed generator seed; counters: ticks, passes, guesses
// At the end, the ratio of every reference time to its fast twin.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_window.h"
#include "bench/pass_corpus.h"
#include "bench/ratio_reporter.h"
#include "sources/examples.h"
#include "tests/support/replayable_random.h"
#include "tests/support/twin_session.h"

namespace quodrill::bench {
namespace {

constexpr std::uint64_t kSeed = 1;
constexpr long kMaxTicks = 1'000'000;

struct Engine {
    const char* name;
    void (*pass)(PuzzleState&);
    EngineHandlers handlers;
};

void registerPasses(const std::vector<ExamplePasses>& corpus, const Engine& engine) {
    for (const ExamplePasses& example : corpus) {
        const std::string name =
            std::string("pass/") + engine.name + "/test" + std::to_string(example.example);
        benchmark::RegisterBenchmark(name.c_str(), [&example, engine](benchmark::State& state) {
            std::size_t next = 0;
            PuzzleState work;
            for (auto _ : state) {
                work = example.states[next];
                engine.pass(work);
                benchmark::DoNotOptimize(work);
                next = next + 1 == example.states.size() ? 0 : next + 1;
            }
            state.SetItemsProcessed(state.iterations());
        });
    }
}

void registerSolves(const Engine& engine) {
    for (std::size_t e = 0; e < kExamplePuzzles.size(); ++e) {
        const std::string name =
            std::string("solve/") + engine.name + "/test" + std::to_string(e + 1);
        benchmark::RegisterBenchmark(name.c_str(), [e, engine](benchmark::State& state) {
            long ticks = 0;
            long passes = 0;
            long guesses = 0;
            for (auto _ : state) {
                PuzzleState puzzle;
                testing::ReplayableRandom random(kSeed);
                PlainWindow window(puzzle, random, engine.handlers);
                solveRows(window, kExamplePuzzles[e].rows, kMaxTicks);
                ticks = window.ticksRun();
                passes = window.outputWrites;
                guesses = puzzle.GuessCount;
                benchmark::DoNotOptimize(puzzle);
            }
            state.counters["ticks"] = static_cast<double>(ticks);
            state.counters["passes"] = static_cast<double>(passes);
            state.counters["guesses"] = static_cast<double>(guesses);
        })->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace
}  // namespace quodrill::bench

int main(int argc, char** argv) {
    using namespace quodrill::bench;
    benchmark::Initialize(&argc, argv);
    const std::vector<ExamplePasses> corpus = collectPassStates(kSeed, 2000);
    const Engine reference{"reference", referencePass, quodrill::testing::referenceEngine()};
    const Engine fast{"fast", fastSinglePass, quodrill::EngineHandlers{}};
    for (const Engine& engine : {reference, fast}) {
        registerPasses(corpus, engine);
    }
    for (const Engine& engine : {reference, fast}) {
        registerSolves(engine);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
