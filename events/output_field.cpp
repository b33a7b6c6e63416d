#include "events/output_field.h"

namespace quodrill {

OutputText renderGrid(const GridArray& grid) {
    OutputText text;
    std::size_t at = 0;
    for (int y = kFirst; y <= kLast; ++y) {
        for (int x = kFirst; x <= kLast; ++x) {
            const CellText cell = grid[x][y];
            text.chars[at++] = cell == kEmptyCell ? kBlankCell : cell;
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
