// Runs a puzzle that cannot be finished through the fake window for many ticks and prints the
// memory in use before and after, to show that a long chain does not grow.
// Usage: quodrill_long_chain [no-solution|very-hard] [ticks]
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/reliability/checked_chain.h"
#include "tests/reliability/hard_puzzles.h"
#include "tests/support/process_memory.h"

namespace {

void report(const char* when, const quodrill::testing::CheckedChain& chain) {
    const struct mallinfo2 heap = mallinfo2();
    std::printf("%-7s ticks %8ld  guesses %6d  restarts %6ld  heap in use %8zu B  RSS %6ld kB\n",
                when, chain.ticks(), chain.state.GuessCount, chain.restarts(), heap.uordblks,
                quodrill::testing::processMemoryKiB("VmRSS:"));
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quodrill::testing;
    const std::string_view puzzle = argc > 1 ? argv[1] : "no-solution";
    // By default until the chain stops by itself, at 32767 guesses.
    const long ticks = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1000000;

    CheckedChain chain(42);
    chain.setRows(puzzle == "very-hard" ? kVeryHardRows : kNoSolutionRows);
    chain.window.pressStart();

    // The first thousand ticks settle what the chain keeps: from then on nothing may grow.
    std::string fault;
    for (const long checkpoint : {1000L, 10000L, 100000L, ticks}) {
        if (checkpoint > ticks || !fault.empty() || !chain.window.anyArmed()) {
            continue;
        }
        fault = chain.runTicks(checkpoint - chain.ticks());
        report("after", chain);
    }
    std::printf("status: %s; timer armed: %s\n", chain.window.status.c_str(),
                chain.window.anyArmed() ? "yes" : "no");
    if (!fault.empty()) {
        std::printf("fault: %s\n", fault.c_str());
        return 1;
    }
    return 0;
}
