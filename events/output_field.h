// The grid as text: the output field, nine lines of nine characters, each followed by "\r\n",
// and the one line of 81 characters that the headless solver prints.
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

// The grid as text, row after row from the top, one character a cell: its digit, or "0" for a
// blank cell and for one that still holds the empty text (no rows set up yet).
using GridCells = std::array<char, 81>;
GridCells gridCells(const GridArray& grid);

// The cells of the grid, nine to a line.
OutputText renderGrid(const GridArray& grid);

// Replaces the whole text of the output field with the rendered grid, when the window shows one.
// Inline: after every run, and the headless solver's window shows none.
inline void WriteOutputField(const PuzzleState& state, WindowOps& window) {
    if (window.showsOutputField()) {
        window.setOutputText(renderGrid(state.Grid).view());
    }
}

}  // namespace quodrill
