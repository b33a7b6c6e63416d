// The output text, and the generator's draw rule.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "events/output_field.h"
#include "solver/random_source.h"
#include "sources/examples.h"
#include "tests/support/candidate_entries.h"
#include "tests/support/fake_window.h"
#include "tests/support/grids.h"

namespace quodrill::testing {
namespace {

TEST(OutputField, NineLinesOfTheGridEachEndingInCrLf) {
    PuzzleState state;
    fillGrid(state, kExamplePuzzles[0].rows);
    std::string expected;
    for (std::string_view row : kExamplePuzzles[0].rows) {
        expected += std::string(row) + "\r\n";
    }
    EXPECT_EQ(renderGrid(state.Grid).view(), expected);

    ScriptedRandom random({0.0f});
    FakeWindow window(state, random);
    setCandidateEntry(state.Candidates, 1, 1, 1, 1);  // candidates play no part
    WriteOutputField(state, window);
    EXPECT_EQ(window.output, expected);
    EXPECT_EQ(window.log, std::vector<std::string>{"output " + expected});

    // A window without an output field (the headless solver's) gets no text.
    window.outputShown = false;
    fillGrid(state, kExamplePuzzles[1].rows);
    WriteOutputField(state, window);
    EXPECT_EQ(window.output, expected);
    EXPECT_EQ(window.outputWrites, 1);
}

TEST(OutputField, EmptyCellsShowAsBlank) {
    const PuzzleState state;  // program start: every cell the empty text
    const std::string text(renderGrid(state.Grid).view());
    ASSERT_EQ(text.size(), 99u);
    for (int line = 0; line < 9; ++line) {
        EXPECT_EQ(text.substr(line * 11, 11), "000000000\r\n");
    }
}

class FixedValue final : public RandomSource {
  public:
    explicit FixedValue(float value) : value_(value) {}
    float next() override { return value_; }
    void reseedFromClock() override {}

  private:
    float value_;
};

TEST(Draw, IntegerPartOfNineRPlusOne) {
    const float largestBelowOne = std::nextafter(1.0f, 0.0f);
    const std::pair<float, int> cases[] = {{0.0f, 1},
                                           {0.1111f, 1},
                                           {1.0f / 9.0f, 2},
                                           {0.5f, 5},
                                           {0.8888f, 8},
                                           {largestBelowOne, 9},
                                           // A faulty generator still gives 1 to 9.
                                           {1.0f, 9},
                                           {7.5f, 9},
                                           {-0.25f, 1},
                                           {NAN, 1},
                                           {INFINITY, 9}};
    for (auto [r, expected] : cases) {
        FixedValue random(r);
        EXPECT_EQ(drawOneToNine(random), expected) << r;
    }
}

TEST(Draw, ProgramGeneratorStartsFixedStaysBelowOneAndReseeds) {
    ClockSeededRandom a;
    ClockSeededRandom b;
    std::set<int> seen;
    for (int i = 0; i < 10'000; ++i) {
        const float r = a.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ASSERT_EQ(r, b.next());
        FixedValue fixed(r);
        seen.insert(drawOneToNine(fixed));
    }
    EXPECT_EQ(seen.size(), 9u);
    ClockSeededRandom c;
    c.reseedFromClock();
    ClockSeededRandom d;
    bool differs = false;
    for (int i = 0; i < 4; ++i) {
        differs = differs || c.next() != d.next();
    }
    EXPECT_TRUE(differs);
}

// A seed gives the program's draws from that state, and reseeds that depend on nothing else.
TEST(Draw, SeededGeneratorDrawsAsTheProgramsAndRepeatsAcrossReseeds) {
    SeededRandom seeded(7);
    ClockSeededRandom program(7);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(seeded.next(), program.next());
    }
    SeededRandom a(7);
    SeededRandom b(7);
    SeededRandom unreseeded(7);
    SeededRandom otherSeed(8);
    int differences = 0;
    int otherDifferences = 0;
    for (int i = 0; i < 1000; ++i) {
        if (i % 3 == 2) {
            a.reseedFromClock();
            b.reseedFromClock();
            otherSeed.reseedFromClock();
        }
        const float r = a.next();
        ASSERT_EQ(r, b.next());
        differences += r != unreseeded.next();
        otherDifferences += r != otherSeed.next();
    }
    EXPECT_GT(differences, 900);
    EXPECT_GT(otherDifferences, 900);
}

}  // namespace
}  // namespace quodrill::testing
