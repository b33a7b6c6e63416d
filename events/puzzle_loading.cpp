#include "events/puzzle_loading.h"

#include "events/captions.h"
#include "events/row_change.h"
#include "solver/set_up.h"
#include "sources/file_loading.h"
#include "sources/puzzle_text.h"

namespace quodrill {

namespace {

void loadingTurn(WindowOps& window) {
    loadPuzzleFile(
        window, window.runFileOpenDialog(captions::kOpenDialogTitle, captions::kOpenDialogFilter));
}

void emptyingTurn(PuzzleState& state, WindowOps& window) {
    forgetSetUp(state);
    for (int i = 0; i < 9; ++i) {
        window.setRowText(i, "");
    }
    window.setLoadButtonCaption(captions::kLoadOpen);
}

}  // namespace

void writePuzzleRows(WindowOps& window, std::string_view cells) {
    for (int r = 1; r <= 9; ++r) {
        window.setRowText(r - 1, "");
        for (int c = 1; c <= 9; ++c) {
            const char next = cells[static_cast<std::size_t>(9 * (r - 1) + c - 1)];
            window.setRowText(r - 1, window.rowText(r - 1) + next);
        }
    }
    // Every way a new puzzle comes in (Open, a paste, a drop, the command line, a keyword) ends
    // here: a "Status : Complete" of the puzzle before must not stand over it.
    showNewPuzzle(window);
}

void writeDigitRows(WindowOps& window, std::string_view cells) {
    for (int r = 0; r < 9; ++r) {
        window.setRowText(r, cells.substr(static_cast<std::size_t>(9 * r), 9));
    }
    showNewPuzzle(window);
}

bool loadPuzzleFile(WindowOps& window, const std::string& filename) {
    const FileText file = ReadTextFileContents(filename);
    if (!file) {
        return false;
    }
    writePuzzleRows(window, file.text);  // the reader gives exactly 81 characters
    window.setLoadButtonCaption(captions::kLoadReset);
    return true;
}

std::string loadPuzzleTextFile(WindowOps& window, const std::string& filename) {
    const FileText file = readPuzzleTextFile(filename);
    if (file.error == FileReadError::TooLarge) {
        return filename + ": " + notAPuzzle(file.error.message());
    }
    if (!file) {
        return "cannot read " + filename + ": " + file.error.message();
    }
    const PuzzleText puzzle = parsePuzzleText(file.text);
    if (!puzzle) {
        return filename + ": " + notAPuzzle(puzzleTextRefusal(file.text, puzzle));
    }
    writePuzzleRows(window, puzzle.cells);
    window.setLoadButtonCaption(captions::kLoadReset);
    return {};
}

NamedFilesLoad loadFirstPuzzleFile(WindowOps& window, const std::vector<std::string>& filenames) {
    NamedFilesLoad result;
    for (const std::string& filename : filenames) {
        std::string refusal = loadPuzzleTextFile(window, filename);
        if (refusal.empty()) {
            result.loaded = true;
            break;
        }
        result.refusals.push_back(std::move(refusal));
    }
    return result;
}

void Loadb_Click(PuzzleState& state, WindowOps& window) {
    if (window.loadButtonCaption() == captions::kLoadOpen) {
        loadingTurn(window);
    } else {
        emptyingTurn(state, window);
    }
}

}  // namespace quodrill
