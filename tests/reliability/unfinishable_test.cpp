// Puzzles the solver cannot finish, or finishes seldom: a chain that no single guess can finish
// stops at its second stall; any other goes on without a hang, every handler returns, the user
// can step in at any time, and the guess count stops at 32767.
#include <gtest/gtest.h>

#include <string>

#include "events/captions.h"
#include "sources/examples.h"
#include "tests/reliability/checked_chain.h"
#include "tests/reliability/hard_puzzles.h"
#include "tests/support/grids.h"

namespace quodrill::testing {
namespace {

constexpr long kTicks = 2000;

TEST(Unfinishable, PuzzleWithoutSolutionStopsWhereItStalledBefore) {
    CheckedChain chain(7);
    chain.setRows(kNoSolutionRows);
    chain.window.pressStart();

    // The second cycle stalls where the first did, and no single guess finishes that state.
    ASSERT_EQ(chain.runTicks(kTicks), "");
    EXPECT_FALSE(chain.window.anyArmed());
    EXPECT_EQ(chain.window.status, captions::kStatusNoGuessFinishes);
    EXPECT_EQ(chain.window.end, SolveEnd::NoGuessFinishes);
    EXPECT_EQ(chain.state.GuessCount, 1);
    EXPECT_EQ(chain.restarts(), 1);
    EXPECT_EQ(chain.window.repeatCount, "Repeated calculation : 1 times");

    // Start again on the same rows: it stops again without a guess.
    chain.window.pressStart();
    ASSERT_EQ(chain.runTicks(kTicks), "");
    EXPECT_FALSE(chain.window.anyArmed());
    EXPECT_EQ(chain.state.GuessCount, 1);
    EXPECT_EQ(chain.window.status, captions::kStatusNoGuessFinishes);
    EXPECT_TRUE(chain.window.warnings.empty());
}

TEST(Unfinishable, SlowPuzzleCyclesUntilTheUserStepsIn) {
    CheckedChain chain(7);
    chain.setRows(kSlowRows);
    chain.window.pressStart();

    ASSERT_EQ(chain.runTicks(kTicks), "");
    EXPECT_EQ(chain.ticks(), kTicks) << "the chain stopped on its own";
    EXPECT_TRUE(chain.window.anyArmed());
    EXPECT_NE(chain.window.status, captions::kStatusComplete);
    // A cycle is a run, a guess, a run and a restart: never more than four ticks per guess.
    EXPECT_GE(chain.state.GuessCount, kTicks / 4 - 1);
    EXPECT_GE(chain.restarts(), kTicks / 4 - 1);
    EXPECT_TRUE(chain.window.warnings.empty());
    EXPECT_EQ(chain.window.repeatCount,
              "Repeated calculation : " + std::to_string(chain.state.GuessCount) + " times");

    // Between two ticks the user types a keyword and presses Start: that puzzle is solved.
    chain.window.setRowText(0, "");
    chain.window.typeInto(0, "test1");
    EXPECT_EQ(chain.state.GuessCount, 0);
    chain.window.pressStart();
    ASSERT_EQ(chain.runTicks(kTicks), "");
    EXPECT_FALSE(chain.window.anyArmed());
    EXPECT_EQ(chain.window.status, captions::kStatusComplete);
    EXPECT_TRUE(keepsGivens(chain.state.Grid, kExamplePuzzles[0].rows));
}

TEST(Unfinishable, VeryHardPuzzleCyclesStopsOrEndsSolvedAndNeverHangs) {
    for (const std::uint64_t seed : {1u, 2u, 3u}) {
        CheckedChain chain(seed);
        chain.setRows(kVeryHardRows);
        chain.window.pressStart();
        ASSERT_EQ(chain.runTicks(kTicks), "") << "seed " << seed;
        if (chain.window.anyArmed()) {
            EXPECT_EQ(chain.ticks(), kTicks);
            EXPECT_GE(chain.state.GuessCount, kTicks / 4 - 1);
            EXPECT_NE(chain.window.status, captions::kStatusComplete);
        } else if (chain.window.status == captions::kStatusNoGuessFinishes) {
            EXPECT_EQ(chain.state.GuessCount, 1) << "seed " << seed;
        } else {
            // Solved by a lucky guess: then it is a real solution of the puzzle.
            EXPECT_EQ(chain.window.status, captions::kStatusComplete) << "seed " << seed;
            EXPECT_TRUE(isSolvedGrid(chain.state.Grid));
            EXPECT_TRUE(keepsGivens(chain.state.Grid, kVeryHardRows));
        }
        EXPECT_LE(chain.mostPassesInOneRun(), 730);
    }
}

TEST(Unfinishable, GuessCountStopsAt32767WithTheStoppedStatus) {
    CheckedChain chain(11);
    chain.setRows(kSlowRows);
    chain.window.pressStart();
    ASSERT_EQ(chain.runTicks(40), "");
    ASSERT_GT(chain.state.GuessCount, 0);

    // Rather than 32767 cycles: the count is set near its limit while the chain goes on.
    chain.state.GuessCount = 32765;
    ASSERT_EQ(chain.runTicks(kTicks), "");
    EXPECT_FALSE(chain.window.anyArmed()) << "the chain did not stop at the limit";
    EXPECT_EQ(chain.state.GuessCount, 32767);
    EXPECT_EQ(chain.window.status, captions::kStatusStopped);
    EXPECT_EQ(chain.window.repeatCount, "Repeated calculation : 32767 times");
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(chain.window.rows[i], kSlowRows[i]);
    }

    // Start again on the same rows: the count stays at its limit and solving stops again.
    chain.window.pressStart();
    ASSERT_EQ(chain.runTicks(kTicks), "");
    EXPECT_FALSE(chain.window.anyArmed());
    EXPECT_EQ(chain.state.GuessCount, 32767);
    EXPECT_EQ(chain.window.status, captions::kStatusStopped);

    // A change of a row starts the count afresh, and a solvable puzzle is solved.
    chain.window.setRowText(0, "");
    chain.window.typeInto(0, "test2");
    EXPECT_EQ(chain.state.GuessCount, 0);
    chain.window.pressStart();
    ASSERT_EQ(chain.runTicks(kTicks), "");
    EXPECT_EQ(chain.window.status, captions::kStatusComplete);
}

TEST(Unfinishable, StallCountStaysAt32767WhenStartKeepsAddingRuns) {
    // Each press of Start after a stalled run adds a run without a set-up.
    CheckedChain chain(5);
    chain.setRows(kNoSolutionRows);
    chain.window.pressStart();
    ASSERT_EQ(chain.runTicks(1), "");
    chain.state.StallCount = 32766;
    for (int press = 0; press < 3; ++press) {
        chain.window.pressStart();
        ASSERT_EQ(chain.runTicks(kTicks), "");
    }
    EXPECT_EQ(chain.state.StallCount, 32767);
    EXPECT_FALSE(chain.window.anyArmed());
}

}  // namespace
}  // namespace quodrill::testing
