// What is read as a whole puzzle from pasted text or a line of input, and what is refused.
#include "sources/puzzle_text.h"

#include <gtest/gtest.h>

#include <string>

#include "sources/examples.h"

namespace quodrill {
namespace {

std::string exampleCells(std::size_t index) {
    std::string cells;
    for (std::string_view row : kExamplePuzzles[index].rows) {
        cells += row;
    }
    return cells;
}

TEST(PuzzleText, AcceptsTheWaysPeopleWriteAPuzzleAndRefusesAnythingElse) {
    const std::string cells = exampleCells(3);
    std::string dotted = cells;
    std::string nineLines;
    std::string drawn;
    std::string commas;
    for (std::size_t r = 0; r < 9; ++r) {
        const std::string row = cells.substr(9 * r, 9);
        nineLines += row + "\r\n";
        if (r % 3 == 0) {
            drawn += "+-------+-------+-------+\n";
        }
        for (std::size_t c = 0; c < 9; ++c) {
            drawn += std::string(c % 3 == 0 ? "| " : "") + row[c] + " ";
            commas += std::string(1, row[c]) + (r == 8 && c == 8 ? "" : ",");
        }
        drawn += "|\n";
    }
    drawn += "+-------+-------+-------+\n";
    for (char& ch : dotted) {
        ch = ch == '0' ? '.' : ch;
    }

    for (const std::string& text : {cells, dotted, "  " + dotted + "\n", nineLines, drawn, commas,
                                    "\t" + nineLines + "\n\n", "\f" + cells + "\v"}) {
        SCOPED_TRACE(text);
        const PuzzleText read = parsePuzzleText(text);
        EXPECT_TRUE(read);
        EXPECT_EQ(read.cells, cells);
        EXPECT_EQ(read.cellCount, 81u);
    }

    struct Refused {
        std::string text;
        std::size_t cellCount;
        std::size_t strayAt;
    };
    constexpr std::size_t kNone = std::string_view::npos;
    for (const Refused& refused : {
             Refused{"", 0, kNone},
             Refused{cells.substr(1), 80, kNone},
             Refused{nineLines.substr(0, 80), 66, kNone},
             Refused{cells + "5", 82, kNone},
             Refused{dotted + ".", 82, kNone},
             Refused{"test4", 1, 0},
             Refused{cells.substr(0, 40) + "x" + cells.substr(41), 80, 40},
             Refused{cells.substr(0, 80) + "１", 80, 80},  // a full-width digit
             Refused{cells.substr(0, 10) + ";" + cells.substr(10), 81, 10},
         }) {
        SCOPED_TRACE(refused.text);
        const PuzzleText read = parsePuzzleText(refused.text);
        EXPECT_FALSE(read);
        EXPECT_EQ(read.cells, "");
        EXPECT_EQ(read.cellCount, refused.cellCount);
        EXPECT_EQ(read.strayAt, refused.strayAt);
    }

    // A text of 81 bytes is read eight at a time: a byte beside the cells in the character
    // table, at any place, is still told apart from them.
    for (std::size_t at = 0; at < cells.size(); ++at) {
        SCOPED_TRACE(at);
        std::string text = dotted;
        text[at] = '.';
        std::string expected = cells;
        expected[at] = '0';
        EXPECT_EQ(parsePuzzleText(text).cells, expected);
        text[at] = '-';
        EXPECT_EQ(parsePuzzleText(text).cellCount, 80u);
        for (const char stray : {'/', ':', '\0', '\xAE', '\xB0', '\xB9'}) {
            text[at] = stray;
            const PuzzleText read = parsePuzzleText(text);
            EXPECT_EQ(read.cells, "");
            EXPECT_EQ(read.strayAt, at);
        }
    }
}

// One wording for every reader that refuses a text: the line is named only where there are
// several.
TEST(PuzzleText, SaysWhyATextIsNotAPuzzle) {
    const std::string cells = exampleCells(3);
    for (const auto& [text, why] : std::initializer_list<std::pair<std::string, std::string>>{
             {cells.substr(1), "80 cells, not 81"},
             {"7", "1 cell, not 81"},
             {cells.substr(0, 40) + "x" + cells.substr(41) + "\r\n",
              "'x' at column 41 is not a cell"},
             {"1\n23x", "'x' at line 2, column 3 is not a cell"},
             {"\xFF", "byte 0xFF at column 1 is not a cell"},
         }) {
        EXPECT_EQ(notAPuzzle(puzzleTextRefusal(text, parsePuzzleText(text))),
                  "not a puzzle (" + why + ")");
    }
    EXPECT_EQ(notAPuzzle(tooLongForPuzzle()), "not a puzzle (longer than 4096 bytes)");
}

}  // namespace
}  // namespace quodrill
