// The nine built-in example puzzles, picked by typing "test1" to "test9" into the first row.
#pragma once

#include <array>
#include <string_view>

namespace quodrill {

struct ExamplePuzzle {
    std::string_view keyword;
    std::array<std::string_view, 9> rows;  // T(0) to T(8)
};

extern const std::array<ExamplePuzzle, 9> kExamplePuzzles;

}  // namespace quodrill
