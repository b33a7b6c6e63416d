// The example keywords and the row-change handler, and every example solved end to end through
// Start and the event loop.
#include <gtest/gtest.h>

#include "events/captions.h"
#include "events/guess_restart.h"
#include "sources/examples.h"
#include "tests/support/candidate_entries.h"
#include "tests/support/fake_window.h"
#include "tests/support/grids.h"
#include "tests/support/replayable_random.h"

namespace quodrill::testing {
namespace {

struct Session {
    PuzzleState state;
    ReplayableRandom random{12345};
    FakeWindow window{state, random};
};

TEST(ExampleTable, RowsAreNineDigitsWithoutRepeats) {
    const int givens[] = {25, 24, 28, 29, 28, 28, 28, 27, 28};
    for (std::size_t e = 0; e < kExamplePuzzles.size(); ++e) {
        const ExamplePuzzle& example = kExamplePuzzles[e];
        EXPECT_EQ(example.keyword, "test" + std::to_string(e + 1));
        int count = 0;
        for (std::string_view row : example.rows) {
            ASSERT_EQ(row.size(), 9u);
            for (char ch : row) {
                ASSERT_TRUE(ch >= '0' && ch <= '9');
                count += ch != '0';
            }
        }
        EXPECT_EQ(count, givens[e]) << example.keyword;
    }
    EXPECT_EQ(kExamplePuzzles[6].rows[2], "000000000");
    EXPECT_EQ(kExamplePuzzles[6].rows[6], "000000000");
}

TEST(RowChange, KeywordTypedLetterByLetterFillsOnTheFifth) {
    Session s;
    s.state.SetUpDone = 1;
    s.state.GuessCount = 7;
    s.window.typeInto(0, "test");
    EXPECT_EQ(s.window.rows[0], "test");
    EXPECT_EQ(s.state.SetUpDone, 0);
    EXPECT_EQ(s.state.GuessCount, 0);
    EXPECT_EQ(s.window.changeRuns, 4);

    s.state.SetUpDone = 1;
    s.window.typeInto(0, "1");
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(s.window.rows[i], kExamplePuzzles[0].rows[i]);
    }
    // The outer run and one nested run per row write, never deeper.
    EXPECT_EQ(s.window.changeRuns, 4 + 1 + 9);
    EXPECT_EQ(s.window.deepestChangeNesting, 2);
    EXPECT_EQ(s.state.SetUpDone, 0);
}

TEST(RowChange, OnlyTheExactKeywordInTheFirstRowFills) {
    // Pasted whole: typed letter by letter, "test1 " and "test10" pass through "test1".
    for (std::string_view text :
         {"Test1", "TEST1", " test1", "test1 ", "test10", "test0", "tes1"}) {
        Session s;
        s.window.setRowText(0, text);
        EXPECT_EQ(s.window.rows[0], text);
        EXPECT_EQ(s.window.rows[1], "");
    }
    Session s;
    s.window.typeInto(3, "test1");
    EXPECT_EQ(s.window.rows[3], "test1");
    EXPECT_EQ(s.window.rows[0], "");
}

TEST(RowChange, ChangeOfAnyRowChecksTheFirstRowAsItStands) {
    Session s;
    s.window.rows[0] = "test9";  // placed without a change event
    s.state.SetUpDone = 1;
    s.window.typeInto(5, "1");
    EXPECT_EQ(s.window.rows[0], kExamplePuzzles[8].rows[0]);
    EXPECT_EQ(s.window.rows[5], kExamplePuzzles[8].rows[5]);
    EXPECT_EQ(s.state.SetUpDone, 0);
}

TEST(RowChange, KeywordReplacesTypedRowsShowsReadyAndLeavesTheSolverAlone) {
    Session s;
    s.window.typeInto(8, "123");
    s.state.StallCount = 2;
    s.state.SolvedFlag = 1;
    s.state.Grid[4][4] = '7';
    setCandidateEntry(s.state.Candidates, 2, 2, 2, 1);
    s.window.status = "unchanged";
    s.window.log.clear();
    s.window.typeInto(0, "test4");
    EXPECT_EQ(s.window.rows[8], kExamplePuzzles[3].rows[8]);
    EXPECT_EQ(s.state.StallCount, 2);
    EXPECT_EQ(s.state.SolvedFlag, 1);
    EXPECT_EQ(s.state.Grid[4][4], '7');
    EXPECT_EQ(candidateEntry(s.state.Candidates, 2, 2, 2), 1);
    // A whole puzzle came in: the status of the one before does not stand over it.
    EXPECT_EQ(s.window.status, captions::kStatusReady);
    EXPECT_FALSE(s.window.anyArmed());
    ASSERT_FALSE(s.window.log.empty());
    EXPECT_EQ(s.window.log.back(), "status " + std::string(captions::kStatusReady));
    s.window.log.pop_back();
    for (const std::string& line : s.window.log) {
        EXPECT_EQ(line.rfind("row ", 0), 0u) << line;
    }
}

TEST(RowChange, RewritingTheSameTextIsNoChange) {
    Session s;
    s.window.setRowText(2, "123");
    s.state.SetUpDone = 1;
    const int runs = s.window.changeRuns;
    s.window.setRowText(2, "123");
    EXPECT_EQ(s.window.changeRuns, runs);
    EXPECT_EQ(s.state.SetUpDone, 1);
}

// A written text keeps nine characters as the toolkit counts them: a character of four UTF-8
// bytes counts two, and none is cut in half, wherever it stands among the first nine bytes.
TEST(RowBox, KeepsNineCharactersWhereverAWideOneStands) {
    Session s;
    const std::string digits = "123456789";
    for (std::size_t at = 0; at <= digits.size(); ++at) {
        SCOPED_TRACE(at);
        const std::string before = digits.substr(0, at);
        s.window.setRowText(3, before + "é" + digits.substr(at));
        EXPECT_EQ(s.window.rowText(3), at == 9 ? digits : before + "é" + digits.substr(at, 8 - at));
        s.window.setRowText(3, before + "😀" + digits.substr(at));
        EXPECT_EQ(s.window.rowText(3), at == 9   ? digits
                                       : at == 8 ? before
                                                 : before + "😀" + digits.substr(at, 7 - at));
    }
}

// Every example, from the keyword through Start and the chain of ticks.
class ExampleSolve : public ::testing::TestWithParam<int> {};

TEST_P(ExampleSolve, EndsCompleteWithAValidGridKeepingTheGivens) {
    const ExamplePuzzle& example = kExamplePuzzles[GetParam()];
    Session s;
    s.window.typeInto(0, example.keyword);
    s.window.pressStart();
    EXPECT_TRUE(s.window.warnings.empty());
    const long ticks = s.window.runUntilIdle(1'000'000);
    EXPECT_FALSE(s.window.anyArmed()) << "still solving after " << ticks << " ticks";

    EXPECT_EQ(s.window.status, captions::kStatusComplete);
    EXPECT_EQ(s.state.SolvedFlag, 1);
    EXPECT_TRUE(isSolvedGrid(s.state.Grid));
    EXPECT_TRUE(keepsGivens(s.state.Grid, example.rows));
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(s.window.rows[i], example.rows[i]);  // the rows are never written back
    }

    ASSERT_EQ(s.window.output.size(), 99u);
    for (int line = 0; line < 9; ++line) {
        const std::string_view text = std::string_view(s.window.output).substr(line * 11, 11);
        for (int c = 0; c < 9; ++c) {
            EXPECT_EQ(text[c], s.state.Grid[c + 1][line + 1]);
            EXPECT_NE(text[c], '0');
        }
        EXPECT_EQ(text.substr(9), "\r\n");
    }
}

INSTANTIATE_TEST_SUITE_P(AllNine, ExampleSolve, ::testing::Range(0, 9),
                         [](const auto& info) { return "test" + std::to_string(info.param + 1); });

}  // namespace
}  // namespace quodrill::testing
