// The sample puzzle file shipped in examples/ is one the program loads: exactly 81 characters,
// no line break, and the same puzzle as the built-in example it is named after.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quodrill
