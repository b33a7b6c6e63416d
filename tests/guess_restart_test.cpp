// The random guess and the restart, with a scripted generator.
#include <gtest/gtest.h>

#include <algorithm>

#include "events/captions.h"
#include "events/guess_restart.h"
#include "sources/examples.h"
#include "tests/support/fake_window.h"
#include "tests/support/grids.h"
#include "tests/support/replayable_random.h"

namespace quodrill::testing {
namespace {

const Rows kOneBlank = {"534678912", "672195348", "198342567", "859761423", "426853791",
                        "713924856", "961537284", "287419635", "345286170"};

struct Session {
    explicit Session(std::vector<float> draws) : random(std::move(draws)) {}
    PuzzleState state;
    ScriptedRandom random;
    FakeWindow window{state, random};

    void guess() {
        window.disarmTimer(TimerId::TT);
        window.disarmTimer(TimerId::SBT);
        window.armTimer(TimerId::Testt);
        window.log.clear();
        ASSERT_TRUE(window.runOneTick());
    }
};

TEST(Guess, CountsShowsAndPlacesTheDrawnDigitInTheDrawnCell) {
    // Cell draws (9, 9)... first (1, 1) is filled, then (9, 9) is the blank; digits 3 then 9.
    Session s({drawValue(1), drawValue(1), drawValue(9), drawValue(9), drawValue(3), drawValue(9)});
    fillGrid(s.state, kOneBlank);
    setCandidates(s.state, 9, 9, {9, 4});
    s.state.GuessCount = 0;
    s.guess();

    EXPECT_EQ(s.state.GuessCount, 1);
    EXPECT_EQ(s.window.repeatCount, "Repeated calculation : 1 times");
    EXPECT_EQ(s.state.Grid[9][9], '9');
    EXPECT_EQ(candidateDigits(s.state, 9, 9), "49");  // left for the next pass to clear
    EXPECT_EQ(s.random.drawn, 6u);
    EXPECT_EQ(s.random.reseeds, 1);
    EXPECT_EQ(s.random.drawnAtReseed, 4u);  // after the cell, before the digit
    EXPECT_EQ(s.window.log, (std::vector<std::string>{"RC Repeated calculation : 1 times", "arm TT",
                                                      "disarm Testt"}));
    EXPECT_TRUE(s.window.isArmed(TimerId::TT));
    EXPECT_FALSE(s.window.isArmed(TimerId::Testt));
}

TEST(Guess, DrawsCoverTheWholeRangeOfR) {
    // The largest r below 1 draws 9; r = 0 draws 1.
    Session s({0.0f, 0.99999994f, 0.99999994f});
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            s.state.Grid[c][r] = '0';
        }
    }
    setCandidates(s.state, 1, 9, {9});
    s.guess();
    EXPECT_EQ(s.state.Grid[1][9], '9');
}

// The draw is the integer part of r * 9 + 1 for every value the generator gives, k / 2^24; the
// values just below 1/9, 2/9, 4/9 and 8/9 once drew the next digit up.
TEST(Guess, DrawIsTheIntegerPartOfRTimesNinePlusOneForEveryGeneratorValue) {
    constexpr std::uint32_t kValues = 1u << 24;
    for (const auto& [k, digit] :
         {std::pair<std::uint32_t, int>{1864135, 1}, {3728270, 2}, {7456540, 4}, {14913080, 8}}) {
        ScriptedRandom random({static_cast<float>(k) / static_cast<float>(kValues)});
        EXPECT_EQ(drawOneToNine(random), digit) << k;
    }
    int wrong = 0;
    for (std::uint32_t k = 0; k < kValues; ++k) {
        ScriptedRandom random({static_cast<float>(k) / static_cast<float>(kValues)});
        const int rule = static_cast<int>(std::uint64_t{k} * 9 / kValues) + 1;
        wrong += drawOneToNine(random) != rule ? 1 : 0;
    }
    EXPECT_EQ(wrong, 0);
    // The program's generators apply the rule to their values in integers: the same digits as
    // the rule on the values of a twin.
    SeededRandom seeded(7);
    SeededRandom seededTwin(7);
    ClockSeededRandom clock;
    ClockSeededRandom clockTwin;
    for (int i = 0; i < 100'000; ++i) {
        ASSERT_EQ(seeded.nextOneToNine(), drawOneToNine(seededTwin)) << i;
        ASSERT_EQ(clock.nextOneToNine(), drawOneToNine(clockTwin)) << i;
    }
}

TEST(Guess, CountGoesOnAcrossCyclesAndShowsPlainDecimal) {
    Session s({drawValue(9), drawValue(9), drawValue(5)});
    fillGrid(s.state, kOneBlank);
    setCandidates(s.state, 9, 9, {5});
    s.state.GuessCount = 1233;
    s.guess();
    EXPECT_EQ(s.window.repeatCount, "Repeated calculation : 1234 times");
}

TEST(Guess, FullGridPlacesNothingAndArmsTheRestart) {
    Session s({drawValue(1)});
    fillGrid(s.state, kOneBlank);
    s.state.Grid[9][9] = '9';
    const GridArray before = s.state.Grid;
    s.guess();
    EXPECT_EQ(s.state.GuessCount, 1);
    EXPECT_EQ(s.window.repeatCount, "Repeated calculation : 1 times");
    EXPECT_EQ(s.state.Grid, before);
    EXPECT_EQ(s.random.drawn, 0u);
    EXPECT_TRUE(s.window.isArmed(TimerId::SBT));
    EXPECT_FALSE(s.window.isArmed(TimerId::TT));
    EXPECT_FALSE(s.window.isArmed(TimerId::Testt));
}

TEST(Guess, DrawnCellWithoutCandidatesPlacesNothingAndArmsTheRestart) {
    Session s({drawValue(9), drawValue(9), drawValue(4)});
    fillGrid(s.state, kOneBlank);  // (9, 9) blank without candidates
    s.guess();
    EXPECT_EQ(s.state.Grid[9][9], '0');
    EXPECT_EQ(s.random.reseeds, 1);
    EXPECT_TRUE(s.window.isArmed(TimerId::SBT));
    EXPECT_FALSE(s.window.isArmed(TimerId::TT));
}

TEST(Guess, StopsAt32767Guesses) {
    Session s({drawValue(9), drawValue(9), drawValue(5)});
    fillGrid(s.state, kOneBlank);
    setCandidates(s.state, 9, 9, {5});
    s.state.GuessCount = 32766;
    s.guess();
    EXPECT_EQ(s.state.GuessCount, 32767);
    EXPECT_EQ(s.state.Grid[9][9], '5');
    s.state.Grid[9][9] = '0';
    s.window.repeatCount = "kept";

    s.guess();
    EXPECT_EQ(s.state.GuessCount, 32767);
    EXPECT_EQ(s.state.Grid[9][9], '0');
    EXPECT_EQ(s.window.status, captions::kStatusStopped);
    EXPECT_EQ(s.window.end, SolveEnd::GuessLimit);
    EXPECT_EQ(s.window.repeatCount, "kept");
    EXPECT_FALSE(s.window.anyArmed());
    EXPECT_EQ(s.random.drawn, 3u);
}

TEST(Restart, SetsUpAgainFromTheRowsAsTheyAreNow) {
    Session s({0.0f});
    s.window.typeInto(0, "test2");
    s.window.pressStart();
    s.window.runOneTick();
    s.state.GuessCount = 3;
    s.window.rows[8] = "000000000";  // changed without a change event: the restart reads it
    s.window.disarmTimer(TimerId::Testt);
    s.window.armTimer(TimerId::SBT);
    s.window.log.clear();
    ASSERT_TRUE(s.window.runOneTick());
    EXPECT_EQ(s.window.log.front(), "disarm SBT");
    EXPECT_EQ(s.window.log.back(), "disarm SBT");
    EXPECT_EQ(s.state.SetUpDone, 1);
    EXPECT_EQ(s.state.StallCount, 0);
    EXPECT_EQ(s.state.GuessCount, 3);
    EXPECT_EQ(s.state.Grid[4][9], '0');
    EXPECT_EQ(candidateDigits(s.state, 4, 9), "123456789");
    EXPECT_TRUE(s.window.isArmed(TimerId::TT));
    EXPECT_FALSE(s.window.isArmed(TimerId::SBT));
}

// Rows that the person changed while it solved, so that they no longer pass: the restart stops
// quietly, with no message to take their keys and no row emptied under their hands; the next
// Start they press checks the rows as they left them, message and all.
TEST(Restart, RejectedRowsStopSolvingQuietly) {
    Session s({0.0f});
    s.window.typeInto(0, "test2");
    s.window.pressStart();
    s.window.setRowText(4, "00903");  // the person is typing row 5 while it solves
    s.window.disarmTimer(TimerId::TT);
    s.window.armTimer(TimerId::SBT);
    ASSERT_EQ(s.window.status, captions::kStatusCalculating);
    ASSERT_TRUE(s.window.runOneTick());
    EXPECT_TRUE(s.window.warnings.empty());
    EXPECT_EQ(s.window.rows[4], "00903");
    EXPECT_FALSE(s.window.anyArmed());
    EXPECT_EQ(s.window.status, captions::kStatusReady);
    EXPECT_EQ(s.state.SetUpDone, 0);
    s.window.pressStart();
    EXPECT_EQ(s.window.warnings.size(), 1u);
    EXPECT_EQ(s.window.rows[4], "");

    // A digit repeated, and all rows emptied (the load button's second turn), while it solves.
    for (const bool emptied : {false, true}) {
        s.window.setRowText(0, "");
        s.window.setRowText(0, "test2");
        s.window.pressStart();
        ASSERT_EQ(s.window.status, captions::kStatusCalculating);
        for (int i = 0; i < 9; ++i) {
            s.window.setRowText(i, emptied ? "" : i == 0 ? "361004003" : s.window.rows[i]);
        }
        s.window.disarmTimer(TimerId::TT);
        s.window.armTimer(TimerId::SBT);
        s.window.runUntilIdle(10);
        EXPECT_EQ(s.window.warnings.size(), 1u) << emptied;
        EXPECT_FALSE(s.window.anyArmed());
        EXPECT_EQ(s.window.status, captions::kStatusReady);
        EXPECT_EQ(s.state.SetUpDone, 0);
    }
    s.window.pressStart();
    EXPECT_EQ(s.window.warnings.size(), 2u);
}

// The whole cycle, tick by tick: one guess per set-up, and restarts rebuild the same state.
TEST(GuessCycle, OneGuessPerSetUpAndEveryRestartRebuildsTheSameState) {
    PuzzleState state;
    ReplayableRandom random(99);
    FakeWindow window(state, random);
    window.typeInto(0, "test9");
    window.pressStart();

    std::vector<std::string> outputsAfterFirstRun;
    int guessesSinceSetUp = 0;
    bool firstRunOfCycle = true;
    for (int tick = 0; tick < 3000 && window.anyArmed(); ++tick) {
        const bool guessTick = window.isArmed(TimerId::Testt);
        const bool restartTick = window.isArmed(TimerId::SBT);
        window.runOneTick();
        if (restartTick) {
            EXPECT_EQ(state.StallCount, 0);
            guessesSinceSetUp = 0;
            firstRunOfCycle = true;
        } else if (guessTick) {
            EXPECT_EQ(++guessesSinceSetUp, 1);
            EXPECT_EQ(window.repeatCount,
                      "Repeated calculation : " + std::to_string(state.GuessCount) + " times");
        } else if (firstRunOfCycle) {
            outputsAfterFirstRun.push_back(window.output);
            firstRunOfCycle = false;
        }
    }
    EXPECT_EQ(window.status, captions::kStatusComplete);
    ASSERT_GE(outputsAfterFirstRun.size(), 3u) << "test9 needs several cycles";
    for (std::size_t i = 2; i < outputsAfterFirstRun.size(); ++i) {
        EXPECT_EQ(outputsAfterFirstRun[i], outputsAfterFirstRun[1]);
    }
}

// Chains that cannot finish end on their own, never with "Complete".
TEST(GuessCycle, ResumeOnARejectedGridEndsWithoutCompletion) {
    const Rows fullWithRepeat = {"534678912", "672195348", "198342567", "859761423", "426853791",
                                 "713924856", "961537284", "287419635", "345286171"};
    PuzzleState state;
    ReplayableRandom random(5);
    FakeWindow window(state, random);
    for (int i = 0; i < 9; ++i) {
        window.setRowText(i, fullWithRepeat[i]);
    }
    window.pressStart();  // duplicate failure
    window.pressStart();  // resume on the rejected grid
    EXPECT_LT(window.runUntilIdle(100), 100);
    EXPECT_NE(window.status, captions::kStatusComplete);
    EXPECT_EQ(window.warnings.size(), 1u);  // the restart's set-up refuses them quietly
    EXPECT_EQ(state.GuessCount, 1);
    EXPECT_EQ(state.SetUpDone, 0);

    // Empty rows at program start: the row "fails" without a change, and Start resumes.
    PuzzleState fresh;
    FakeWindow empty(fresh, random);
    empty.pressStart();
    empty.pressStart();
    EXPECT_LT(empty.runUntilIdle(100), 100);
    EXPECT_NE(empty.status, captions::kStatusComplete);
    EXPECT_EQ(empty.warnings.size(), 2u);
}

TEST(FakeEventLoop, RunsTimersOnceEachInTheOrderArmed) {
    PuzzleState state;
    ScriptedRandom random({0.0f});
    FakeWindow window(state, random);
    state.StallCount = 5;  // a run that stalls arms nothing
    setAllBlank(state);
    state.SetUpDone = 1;
    window.armTimer(TimerId::SBT);
    window.armTimer(TimerId::TT);
    window.armTimer(TimerId::SBT);  // already armed: keeps its place, no second run
    window.log.clear();
    ASSERT_TRUE(window.runOneTick());
    EXPECT_EQ(window.log.front(), "disarm SBT");  // the restart ran first
    window.disarmTimer(TimerId::TT);              // cancelled before its tick
    EXPECT_FALSE(window.runOneTick());
}

}  // namespace
}  // namespace quodrill::testing
