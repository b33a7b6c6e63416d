// The fast engine against the reference engine: the same sessions driven through both, compared
// after every handler (state, window operations, timers, generator calls).
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "events/captions.h"
#include "events/plain_window.h"
#include "events/puzzle_loading.h"
#include "solver/completions.h"
#include "solver/grid_check.h"
#include "solver/guess_outcomes.h"
#include "solver/propagation.h"
#include "solver/solve_run.h"
#include "sources/examples.h"
#include "tests/oracle/oracle_engine.h"
#include "tests/oracle/plain_completions.h"
#include "tests/reliability/hard_puzzles.h"
#include "tests/support/candidate_entries.h"
#include "tests/support/grids.h"
#include "tests/support/one_shot_steps.h"
#include "tests/support/replayable_random.h"
#include "tests/support/twin_session.h"

namespace quodrill::testing {
namespace {

// Ticks allowed to one generated session: a few cycles of set-up, run, guess, run, restart.
constexpr int kTickCap = 30;

// A puzzle's rows, for the report of a failing session.
std::string describe(const RowTexts& rows) {
    std::string text;
    for (const std::string& row : rows) {
        text += row + " ";
    }
    return text;
}

// Types nothing and writes every row, presses Start and lets the chain run.
void expectSameSolve(TwinSession& twins, const RowTexts& rows, int maxTicks) {
    ASSERT_TRUE(twins.writeRows(rows)) << twins.difference();
    ASSERT_TRUE(twins.pressStart()) << twins.difference();
    twins.runTicks(maxTicks);
    ASSERT_TRUE(twins.same()) << describe(rows) << "\n" << twins.difference();
}

TEST(Differential, NineExamplesSolvedToTheEnd) {
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        for (std::size_t e = 0; e < kExamplePuzzles.size(); ++e) {
            TwinSession twins(seed * 100 + e);
            ASSERT_TRUE(twins.typeInto(0, kExamplePuzzles[e].keyword)) << twins.difference();
            ASSERT_TRUE(twins.pressStart()) << twins.difference();
            twins.runTicks(100000);
            ASSERT_TRUE(twins.same()) << kExamplePuzzles[e].keyword << "\n" << twins.difference();
            EXPECT_EQ(twins.fastWindow().status, captions::kStatusComplete);
            EXPECT_FALSE(twins.anyArmed());
        }
    }
}

TEST(Differential, ValidPuzzles) {
    PuzzleGenerator puzzles(11);
    for (int i = 0; i < 800; ++i) {
        TwinSession twins(static_cast<std::uint64_t>(i));
        expectSameSolve(twins, puzzles.puzzleWithBlanks(30 + puzzles.below(35)), kTickCap);
        if (!twins.same()) {
            return;
        }
    }
}

TEST(Differential, PuzzlesWithoutASolution) {
    PuzzleGenerator puzzles(12);
    for (int i = 0; i < 400; ++i) {
        TwinSession twins(static_cast<std::uint64_t>(i));
        expectSameSolve(twins, puzzles.unsolvablePuzzle(20 + puzzles.below(45)), kTickCap);
        if (!twins.same()) {
            return;
        }
    }
}

TEST(Differential, NearlyEmptyAndNearlyFullGrids) {
    PuzzleGenerator puzzles(13);
    for (int i = 0; i < 150; ++i) {
        TwinSession empty(static_cast<std::uint64_t>(i));
        expectSameSolve(empty, puzzles.puzzleWithBlanks(81 - puzzles.below(8)), kTickCap);
        TwinSession full(static_cast<std::uint64_t>(i));
        expectSameSolve(full, puzzles.puzzleWithBlanks(puzzles.below(6)), kTickCap);
        if (!empty.same() || !full.same()) {
            return;
        }
    }
}

TEST(Differential, ResumeAfterADuplicateFailure) {
    // The refused rows stay in the grid; the candidates are whatever the last puzzle left, and
    // every further Start adds a run without a set-up.
    PuzzleGenerator puzzles(14);
    for (int i = 0; i < 300; ++i) {
        TwinSession twins(static_cast<std::uint64_t>(i));
        expectSameSolve(twins, puzzles.puzzleWithBlanks(30 + puzzles.below(40)), puzzles.below(4));
        const RowTexts refused = puzzles.puzzleRepeatingADigit(puzzles.below(60));
        ASSERT_TRUE(twins.writeRows(refused)) << twins.difference();
        ASSERT_TRUE(twins.pressStart()) << twins.difference();
        ASSERT_EQ(twins.fastWindow().warnings.size(), 1u) << describe(refused);
        for (int press = 0; press < 4; ++press) {
            ASSERT_TRUE(twins.pressStart()) << twins.difference();
            twins.runTicks(6);
        }
        ASSERT_TRUE(twins.same()) << describe(refused) << "\n" << twins.difference();
    }
}

// A person at work while the chain runs: rows edited, emptied or replaced, Start pressed again,
// keywords typed, between any two ticks.
void changeSomething(TwinSession& twins, PuzzleGenerator& puzzles) {
    const int row = puzzles.below(9);
    switch (puzzles.below(7)) {
        case 0: {
            std::string text = twins.fastWindow().rows[static_cast<std::size_t>(row)];
            if (text.size() == 9) {
                text[static_cast<std::size_t>(puzzles.below(9))] =
                    static_cast<char>('0' + puzzles.below(10));
            }
            twins.writeRow(row, text);
            break;
        }
        case 1:
            twins.writeRow(row, "");
            break;
        case 2:
            twins.writeRow(row, puzzles.below(2) == 0 ? "12345678x" : "1234");
            break;
        case 3:
            twins.writeRow(0, "");
            twins.typeInto(0, kExamplePuzzles[static_cast<std::size_t>(puzzles.below(9))].keyword);
            break;
        case 4:
            twins.writeRows(puzzles.puzzleWithBlanks(20 + puzzles.below(50)));
            break;
        default:
            twins.pressStart();
            break;
    }
}

TEST(Differential, RowsChangedInTheMiddleOfAChain) {
    PuzzleGenerator puzzles(15);
    for (int i = 0; i < 500; ++i) {
        TwinSession twins(static_cast<std::uint64_t>(i));
        const RowTexts rows = puzzles.puzzleWithBlanks(35 + puzzles.below(30));
        ASSERT_TRUE(twins.writeRows(rows)) << twins.difference();
        ASSERT_TRUE(twins.pressStart()) << twins.difference();
        for (int change = 0; change < 4 && twins.same(); ++change) {
            twins.runTicks(puzzles.below(8));
            changeSomething(twins, puzzles);
        }
        twins.runTicks(kTickCap);
        ASSERT_TRUE(twins.same()) << describe(rows) << "\n" << twins.difference();
    }
}

TEST(Differential, TicksWhileTheMessageBoxIsOpen) {
    // Start refuses a row while a run or a restart is armed; the armed timer ticks inside the
    // message box, as a real window's timers do.
    PuzzleGenerator puzzles(16);
    for (int i = 0; i < 200; ++i) {
        TwinSession twins(static_cast<std::uint64_t>(i));
        twins.act("tick inside every message box", [](TwinSession::Side& side) {
            side.window.whileModalOpen = [&side] { side.window.runOneTick(); };
        });
        ASSERT_TRUE(twins.writeRows(puzzles.puzzleWithBlanks(45 + puzzles.below(15))));
        ASSERT_TRUE(twins.pressStart()) << twins.difference();
        for (int round = 0; round < 3 && twins.same(); ++round) {
            twins.runTicks(puzzles.below(6));
            twins.writeRow(puzzles.below(9), "1234");
            twins.pressStart();
        }
        twins.runTicks(kTickCap);
        ASSERT_TRUE(twins.same()) << twins.difference();
    }
}

TEST(Differential, CountersAtTheirLimit) {
    PuzzleGenerator puzzles(17);
    for (int i = 0; i < 60; ++i) {
        TwinSession twins(static_cast<std::uint64_t>(i));
        ASSERT_TRUE(twins.writeRows(puzzles.puzzleWithBlanks(50 + puzzles.below(15))));
        ASSERT_TRUE(twins.pressStart()) << twins.difference();
        const std::int16_t start = static_cast<std::int16_t>(kCounterLimit - puzzles.below(3));
        ASSERT_TRUE(twins.act("counters near 32767", [start](TwinSession::Side& side) {
            side.state.GuessCount = start;
            side.state.StallCount = start;
        }));
        for (int press = 0; press < 3; ++press) {
            twins.runTicks(kTickCap);
            ASSERT_TRUE(twins.pressStart()) << twins.difference();
        }
        twins.runTicks(kTickCap);
        ASSERT_TRUE(twins.same()) << twins.difference();
    }
}

// States that no session of a few ticks reaches easily: grids with empty texts, filled cells
// that keep candidates, digits repeated anywhere, blank cells without candidates, candidates
// thinned at random, and counters anywhere in their range.
PuzzleState randomState(PuzzleGenerator& random) {
    PuzzleState state;
    const RowTexts rows = random.puzzleWithBlanks(random.below(82));
    // Per cent of the blank cells' entries kept: all of them as after a set-up, or thinned.
    const int kept = random.below(2) == 0 ? 100 : random.below(100);
    const int staleFilled = random.below(3) == 0 ? random.below(30) : 0;  // per cent
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            state.Grid[c][r] =
                rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
            const bool blank = state.Grid[c][r] == kBlankCell;
            const bool stale = !blank && random.below(100) < staleFilled;
            for (int d = kFirst; d <= kLast; ++d) {
                const bool set = (blank && random.below(100) < kept) || (stale && random.below(2));
                setCandidateEntry(state.Candidates, c, r, d, set ? 1 : 0);
                setCandidateEntry(state.CandidateSnapshot, c, r, d,
                                  static_cast<std::int16_t>(random.below(2)));
            }
        }
    }
    // Now and then an empty text in place of a "0", or a digit written over any cell.
    const int oddCells = random.below(4) == 0 ? 1 + random.below(5) : 0;
    for (int i = 0; i < oddCells; ++i) {
        CellText& cell = state.Grid[1 + random.below(9)][1 + random.below(9)];
        if (random.below(2) == 0) {
            cell = cell == kBlankCell ? kEmptyCell : cell;
        } else {
            cell = static_cast<char>('0' + random.below(10));
        }
    }
    const std::int16_t counters[] = {0, 1, 2, 3, 7, kCounterLimit - 1, kCounterLimit};
    state.SetUpDone = static_cast<std::int16_t>(random.below(2));
    state.SolvedFlag = static_cast<std::int16_t>(random.below(2));
    state.StallCount = counters[random.below(7)];
    state.GuessCount = counters[random.below(7)];
    return state;
}

TEST(Differential, EachStepOnRandomStates) {
    PuzzleGenerator random(18);
    std::array<int, 2> repeats{};  // grids without and with a repeated digit
    for (int i = 0; i < 3000; ++i) {
        const PuzzleState start = randomState(random);
        const bool repeated = oracle::gridRepeatsDigit(start.Grid);
        ASSERT_EQ(gridRepeatsDigit(start.Grid), repeated) << "on random state " << i;
        ++repeats[repeated ? 1 : 0];
        PuzzleState fast = start;
        PuzzleState reference = start;
        const int column = 1 + random.below(9);
        const int row = 1 + random.below(9);
        std::string step;
        switch (i % 4) {
            case 0:
                step = "TryCellCandidates";
                if (!isBlank(start.Grid[column][row]) && random.below(2) == 0) {
                    continue;  // a run calls it only for blank cells; now and then try others
                }
                TryCellCandidates(fast, column, row);
                oracle::TryCellCandidates(reference, column, row);
                break;
            case 1:
                step = "PlaceHiddenSinglesInBoxes";
                PlaceHiddenSinglesInBoxes(fast);
                oracle::PlaceHiddenSinglesInBoxes(reference);
                break;
            case 2:
                step = "EliminatePointingInRows";
                EliminatePointingInRows(fast);
                oracle::EliminatePointingInRows(reference);
                break;
            default:
                step = "ClearSolvedCellCandidates";
                ClearSolvedCellCandidates(fast);
                oracle::ClearSolvedCellCandidates(reference);
                break;
        }
        ASSERT_EQ(describeStateDifference(fast, reference), "")
            << step << " (" << column << ", " << row << ") on random state " << i;
    }
    EXPECT_GT(repeats[0], 300);
    EXPECT_GT(repeats[1], 300);
}

TEST(Differential, EachHandlerOnRandomStates) {
    PuzzleGenerator random(19);
    for (int i = 0; i < 1500; ++i) {
        TwinSession twins(static_cast<std::uint64_t>(i));
        const PuzzleState start = randomState(random);
        const RowTexts rows = random.below(3) == 0 ? random.puzzleRepeatingADigit(random.below(70))
                                                   : random.puzzleWithBlanks(random.below(82));
        ASSERT_TRUE(twins.act("random state and rows", [&](TwinSession::Side& side) {
            side.state = start;
            for (int r = 0; r < 9; ++r) {  // as they stand, without a change event
                side.window.rows[static_cast<std::size_t>(r)] = rows[static_cast<std::size_t>(r)];
            }
        }));
        switch (i % 4) {
            case 0:
                twins.act("TT_Timer", [](TwinSession::Side& side) {
                    side.engine.solveTick(side.state, side.window);
                });
                break;
            case 1:
                twins.act("Testt_Timer", [](TwinSession::Side& side) {
                    side.engine.guessTick(side.state, side.window, side.random,
                                          side.window.guessOutcomes());
                });
                break;
            case 2:
                twins.act("SBT_Timer", [](TwinSession::Side& side) {
                    side.engine.restartTick(side.state, side.window);
                });
                break;
            default:
                twins.pressStart();
                break;
        }
        twins.runTicks(4);
        ASSERT_TRUE(twins.same()) << "random state " << i << "\n" << twins.difference();
    }
}

// The stall that a puzzle's set-up and first run end in; none when the run finishes it or Start
// refuses it.
std::optional<PuzzleState> firstStall(std::string cells) {
    for (char& cell : cells) {
        cell = cell == '.' ? '0' : cell;
    }
    PuzzleState state;
    ReplayableRandom random(1);
    PlainWindow window(state, random);
    writePuzzleRows(window, cells);
    window.pressStart();
    if (!window.runOneTick() || state.SolvedFlag == 1 || state.StallCount == 0) {
        return std::nullopt;
    }
    return state;
}

class NoObserver final : public PassObserver {
  public:
    void afterPass(const PuzzleState&) override {}
};

// A stall, and where a run ended in it, the board the run ended with.
struct Stall {
    PuzzleState state;
    std::optional<SolveBoard> board;
};

// The stalls that the runs after each single guess from `stall` end in.
std::vector<Stall> stallsAfterGuesses(const PuzzleState& stall) {
    std::vector<Stall> stalls;
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            const DigitMask mask = stall.Candidates[static_cast<std::size_t>(cellIndex(c, r))];
            for (int d = kFirst; d <= kLast && isBlank(stall.Grid[c][r]); ++d) {
                if ((mask & digitBit(d)) != 0) {
                    PuzzleState trial = stall;
                    trial.Grid[c][r] = digitText(d);
                    NoObserver none;
                    SolveBoard board;
                    RunSolvePasses(trial, none, &board);
                    if (trial.SolvedFlag == 0) {
                        stalls.push_back({trial, board});
                    }
                }
            }
        }
    }
    return stalls;
}

// Whether `grid` completes `from`: full, no digit repeated, the digits of `from` kept and each
// other cell one of its candidates.
bool completes(const GridArray& grid, const PuzzleState& from) {
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            const DigitMask held = heldDigit(from.Grid[c][r]);
            const DigitMask mask = from.Candidates[static_cast<std::size_t>(cellIndex(c, r))];
            if (held != 0 ? grid[c][r] != from.Grid[c][r] : (heldDigit(grid[c][r]) & mask) == 0) {
                return false;
            }
        }
    }
    return isSolvedGrid(grid);
}

// What the count settled, over every state it was asked about.
struct CompletionTally {
    std::array<int, 3> counted{};  // by the plain search: none, one, two or more
    int uncounted = 0;             // the plain search gave up
    int settledBeyond = 0;         // ... of which the program's count settled
};

// The program's count against the plain search on `state`, at the limit the solver asks with
// and at others; with only one completion, both must have found it.
void expectSameCompletions(const PuzzleState& state, const std::string& which,
                           CompletionTally& tally) {
    for (const int limit : {2, 1, 3}) {
        GridArray first{};
        GridArray plainFirst{};
        const int count = countCompletions(state.Grid, state.Candidates, limit, first);
        const int plain = oracle::countCompletions(state.Grid, state.Candidates, limit, plainFirst);
        const std::string where = which + ", limit " + std::to_string(limit);
        if (plain != kCompletionsUnknown) {
            ASSERT_EQ(count, plain) << where;
            if (plain == 1 && limit > 1) {  // the only one
                ASSERT_TRUE(first == plainFirst) << where;
            }
        }
        if (count > 0) {
            ASSERT_TRUE(completes(first, state)) << where;
        }
        if (limit == 2) {
            if (plain == kCompletionsUnknown) {
                ++tally.uncounted;
                tally.settledBeyond += count != kCompletionsUnknown ? 1 : 0;
                return;  // the plain search would give up again at the other limits
            }
            ++tally.counted[static_cast<std::size_t>(plain)];
        }
    }
}

std::vector<std::string> benchPuzzles() {
    std::ifstream file(QUODRILL_BENCH_PUZZLES);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string oneLine(const auto& rows) {
    std::string line;
    for (const auto& row : rows) {
        line += row;
    }
    return line;
}

// Puzzles whose stalls are compared, each with whether the stalls after every guess from its
// first stall are compared too: the examples, qqwing's puzzles at every difficulty, sparse and
// unsolvable grids.
std::vector<std::pair<std::string, bool>> stalledPuzzles() {
    std::vector<std::pair<std::string, bool>> puzzles;
    for (const ExamplePuzzle& example : kExamplePuzzles) {
        puzzles.emplace_back(oneLine(example.rows), true);
    }
    const std::vector<std::string> bench = benchPuzzles();
    EXPECT_EQ(bench.size(), 1000u) << QUODRILL_BENCH_PUZZLES;
    for (std::size_t i = 0; i < bench.size(); ++i) {
        puzzles.emplace_back(bench[i], i % 20 == 0);
    }
    for (const auto& rows : {kNoSolutionRows, kVeryHardRows, kSlowRows, kUncountedRows}) {
        puzzles.emplace_back(oneLine(rows), true);
    }
    puzzles.emplace_back(std::string(81, '0'), true);
    PuzzleGenerator generator(27);
    for (int i = 0; i < 60; ++i) {
        const int blanks = 45 + generator.below(37);
        puzzles.emplace_back(oneLine(generator.puzzleWithBlanks(blanks)), i % 4 == 0);
        puzzles.emplace_back(oneLine(generator.unsolvablePuzzle(blanks)), i % 4 == 0);
    }
    return puzzles;
}

// Calls `check` on the first stall of every stalled puzzle and, where asked, on every
// `afterGuessStep`-th stall after its guesses, until a fatal failure; returns the stalls checked.
int checkStalls(std::size_t afterGuessStep,
                const std::function<void(const Stall&, const std::string&)>& check) {
    const std::vector<std::pair<std::string, bool>> puzzles = stalledPuzzles();
    if (::testing::Test::HasFailure()) {
        return 0;
    }
    int stalls = 0;
    for (const auto& [puzzle, withGuesses] : puzzles) {
        const std::optional<PuzzleState> stall = firstStall(puzzle);
        if (!stall) {
            continue;
        }
        ++stalls;
        check({*stall, std::nullopt}, puzzle);
        if (withGuesses) {
            const std::vector<Stall> next = stallsAfterGuesses(*stall);
            for (std::size_t i = 0; i < next.size(); i += afterGuessStep) {
                ++stalls;
                check(next[i], puzzle + " after a guess");
            }
        }
        if (::testing::Test::HasFatalFailure()) {
            break;
        }
    }
    return stalls;
}

// The completions of stalled grids, counted by the program with singles placed along the way and
// by the plain search: the stalls of the stalled puzzles and of the runs after their guesses, and
// random states.
TEST(Differential, CompletionsOfStalls) {
    CompletionTally tally;
    const int stalls = checkStalls(1, [&tally](const Stall& stall, const std::string& which) {
        expectSameCompletions(stall.state, which, tally);
    });
    ASSERT_FALSE(::testing::Test::HasFailure());
    PuzzleGenerator random(28);
    for (int i = 0; i < 2000 && !::testing::Test::HasFatalFailure(); ++i) {
        expectSameCompletions(randomState(random), "random state " + std::to_string(i), tally);
    }
    // Every answer occurs, or the comparison proves little.
    EXPECT_GT(stalls, 3000);
    EXPECT_GT(tally.counted[0], 100);
    EXPECT_GT(tally.counted[1], 100);
    EXPECT_GT(tally.counted[2], 100);
    std::cout << "stalls: " << stalls << "; none, one, two or more: " << tally.counted[0] << ", "
              << tally.counted[1] << ", " << tally.counted[2] << "; the plain search gave up on "
              << tally.uncounted
              << ", of which settled by the program's count: " << tally.settledBeyond << "\n";
}

class PassTally final : public PassObserver {
  public:
    void afterPass(const PuzzleState&) override { ++passes; }
    int passes = 0;
};

// What the outcomes found for every guess from `stall`, against the engine's whole run after it:
// a finishing guess on the same grid in as many passes, a stalling one stalls, in as many passes
// where they are known. Counts the guesses compared and those that finish. The outcomes start from
// the board the stall's run ended with where there is one.
void expectSameGuessOutcomes(const Stall& from, const std::string& which, int& guesses,
                             int& finishing) {
    const PuzzleState& stall = from.state;
    auto outcomes = std::make_unique<GuessOutcomes>();
    outcomes->startFor(stall, from.board ? &*from.board : nullptr);
    outcomes->completeAll();
    ASSERT_TRUE(outcomes->complete()) << which;
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            const DigitMask mask = stall.Candidates[static_cast<std::size_t>(cellIndex(c, r))];
            for (int d = kFirst; d <= kLast && isBlank(stall.Grid[c][r]); ++d) {
                if ((mask & digitBit(d)) == 0) {
                    continue;
                }
                PuzzleState trial = stall;
                trial.StallCount = 1;
                trial.Grid[c][r] = digitText(d);
                PassTally tally;
                RunSolvePasses(trial, tally);
                const PairOutcome* outcome = outcomes->known(c, r, d);
                const std::string where = which + ", guess " + std::to_string(d) + " at column " +
                                          std::to_string(c) + ", row " + std::to_string(r);
                ASSERT_NE(outcome, nullptr) << where;
                ++guesses;
                if (trial.SolvedFlag == 1) {
                    ++finishing;
                    ASSERT_EQ(outcome->result, GuessResult::Finishes) << where;
                    ASSERT_TRUE(outcomes->solution(outcome->solution) == trial.Grid) << where;
                } else {
                    ASSERT_EQ(outcome->result, GuessResult::Stalls) << where;
                }
                if (outcome->passesKnown) {
                    ASSERT_EQ(outcome->passes, tally.passes) << where;
                }
            }
        }
    }
}

// The outcome of every guess from many stalls, found the cheap way (stopped once the grid cannot
// be finished, settled without a run from the one completion or from another guess's end),
// against the engine's run after the guess followed to its end: the stalls of the stalled puzzles
// and of the runs after their guesses (those from the board their run ended with), and random
// states.
TEST(Differential, GuessOutcomesOfStalls) {
    int guesses = 0;
    int finishing = 0;
    // Every fourth stall after a guess: the sparse grids have hundreds, each with hundreds of
    // guesses.
    int stalls =
        checkStalls(4, [&guesses, &finishing](const Stall& stall, const std::string& which) {
            expectSameGuessOutcomes(stall, which, guesses, finishing);
        });
    ASSERT_FALSE(::testing::Test::HasFailure());
    PuzzleGenerator random(29);
    for (int i = 0; i < 100 && !::testing::Test::HasFatalFailure(); ++i) {
        ++stalls;
        expectSameGuessOutcomes({randomState(random), std::nullopt},
                                "random state " + std::to_string(i), guesses, finishing);
    }
    EXPECT_GT(stalls, 3000);
    EXPECT_GT(finishing, 5000);
    EXPECT_GT(guesses - finishing, 10000);
    std::cout << "stalls: " << stalls << "; guesses: " << guesses << ", of which finish "
              << finishing << "\n";
}

}  // namespace
}  // namespace quodrill::testing
