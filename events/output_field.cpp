#include "events/output_field.h"

namespace quodrill {

GridCells gridCells(const GridArray& grid) {
    GridCells cells{};
    std::size_t at = 0;
    for (int y = kFirst; y <= kLast; ++y) {
        for (int x = kFirst; x <= kLast; ++x) {
            const CellText cell = grid[x][y];
            cells[at++] = cell == kEmptyCell ? kBlankCell : cell;
        }
    }
    return cells;
}

OutputText renderGrid(const GridArray& grid) {
    const GridCells cells = gridCells(grid);
    OutputText text;
    std::size_t at = 0;
    for (std::size_t row = 0; row < 9; ++row) {
        for (std::size_t column = 0; column < 9; ++column) {
            text.chars[at++] = cells[row * 9 + column];
        }
        text.chars[at++] = '\r';
        text.chars[at++] = '\n';
    }
    return text;
}

void WriteOutputField(const PuzzleState& state, WindowOps& window) {
    const OutputText text = renderGrid(state.Grid);
    window.setOutputText(text.view());
}

}  // namespace quodrill
