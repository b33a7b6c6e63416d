#include "events/output_field.h"

#include <algorithm>

namespace quodrill {

GridCells gridCells(const GridArray& grid) {
    GridCells cells;
    for (int x = kFirst; x <= kLast; ++x) {
#pragma GCC unroll 9
        for (int y = kFirst; y <= kLast; ++y) {
            const CellText cell = grid[x][y];
            // The empty text (0) shows as "0": a blank.
            cells[static_cast<std::size_t>((y - 1) * 9 + x - 1)] =
                static_cast<char>(cell | (cell == kEmptyCell ? kBlankCell : 0));
        }
    }
    return cells;
}

OutputText renderGrid(const GridArray& grid) {
    const GridCells cells = gridCells(grid);
    OutputText text;
    for (std::size_t row = 0; row < 9; ++row) {
        char* line = text.chars.data() + row * 11;
        std::copy_n(cells.data() + row * 9, 9, line);
        line[9] = '\r';
        line[10] = '\n';
    }
    return text;
}

}  // namespace quodrill
