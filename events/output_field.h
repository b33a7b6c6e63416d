// The output field: the grid as nine lines of nine characters, each line followed by "\r\n".
#pragma once

#include <array>
#include <string_view>

#include "events/window_ops.h"
#include "solver/puzzle_state.h"

namespace quodrill {

constexpr std::size_t kOutputTextLength = 9 * 11;

// The text is built in place, without the heap, from the grid alone.
struct OutputText {
    std::array<char, kOutputTextLength> chars{};
    std::string_view view() const { return {chars.data(), chars.size()}; }
};

// A cell that still holds the empty text (no rows set up yet) is shown as "0", like any blank.
OutputText renderGrid(const GridArray& grid);

// Replaces the whole text of the output field with the rendered grid.
void WriteOutputField(const PuzzleState& state, WindowOps& window);

}  // namespace quodrill
