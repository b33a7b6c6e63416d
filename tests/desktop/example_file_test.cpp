// The sample files shipped in examples/: a puzzle file the program loads (exactly 81 characters,
// no line break, the built-in example it is named after), and the nine built-in examples one a
// line for `quodrill --solve`.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "sources/examples.h"
#include "sources/file_loading.h"

namespace quodrill {
namespace {

TEST(ExampleFile, Test1LoadsAsTheBuiltInExampleTest1) {
    const FileText file = ReadTextFileContents(QUODRILL_EXAMPLES_DIR "/test1.txt");
    ASSERT_TRUE(file) << file.error.message();
    ASSERT_EQ(file.text.size(), kPuzzleFileLength);
    const ExamplePuzzle& example = kExamplePuzzles[0];
    ASSERT_EQ(example.keyword, "test1");
    for (std::size_t row = 0; row < 9; ++row) {
        EXPECT_EQ(file.text.substr(9 * row, 9), example.rows[row]) << "row " << row + 1;
    }
}

TEST(ExampleFile, PuzzlesHoldsTheNineExamplesOneALine) {
    std::ifstream file(QUODRILL_EXAMPLES_DIR "/puzzles.txt");
    std::string line;
    for (const ExamplePuzzle& example : kExamplePuzzles) {
        ASSERT_TRUE(std::getline(file, line)) << example.keyword;
        std::string rows;
        for (std::string_view row : example.rows) {
            rows += row;
        }
        EXPECT_EQ(line, rows) << example.keyword;
    }
    EXPECT_FALSE(std::getline(file, line)) << "a tenth line";
}

}  // namespace
}  // namespace quodrill
