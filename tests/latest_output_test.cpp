// The output text held between passes: the field gets the last text of a turn, once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "events/latest_output.h"

namespace quodrill::testing {
namespace {

struct Field {
    LatestOutput latest;
    std::vector<std::string> shown;  // every text the field was given, in order

    void endOfTurn() {
        latest.showLatest([this](std::string_view text) { shown.emplace_back(text); });
    }
};

TEST(LatestOutput, ShowsOnlyTheLastTextOfATurnAndOnlyOnce) {
    Field field;
    field.endOfTurn();
    EXPECT_TRUE(field.shown.empty());  // nothing handed over yet

    field.latest.hold("pass 1");
    field.latest.hold("pass 2");
    field.latest.hold("pass 3");
    field.endOfTurn();
    field.endOfTurn();
    EXPECT_EQ(field.shown, std::vector<std::string>{"pass 3"});
}

TEST(LatestOutput, SkipsATextEqualToTheOneShownButNotAnEarlierOne) {
    Field field;
    field.latest.hold("A");
    field.endOfTurn();
    field.latest.hold("B");
    field.latest.hold("A");  // the turn ends where it began: nothing to redraw
    field.endOfTurn();
    field.latest.hold("B");
    field.endOfTurn();
    field.latest.hold("");
    field.endOfTurn();
    EXPECT_EQ(field.shown, (std::vector<std::string>{"A", "B", ""}));
}

}  // namespace
}  // namespace quodrill::testing
