#include "solver/set_up.h"

#include <cstdint>
#include <cstring>

#include "solver/digit_bytes.h"
#include "solver/grid_check.h"

namespace quodrill {

bool isValidRow(std::string_view row) {
    return row.size() == 9 && eightDigits(eightBytes(row.data())) && row[8] >= '0' && row[8] <= '9';
}

int firstInvalidRow(const RowTexts& rows) {
    for (int i = 0; i < 9; ++i) {
        if (!isValidRow(rows[static_cast<std::size_t>(i)])) {
            return i;
        }
    }
    return -1;
}

SetUpOutcome setUpFromRows(PuzzleState& state, const RowTexts& rows, RowsSetUp* made) {
    for (int i = 0; i < 9; ++i) {
        const char* const row = rows[static_cast<std::size_t>(i)].data();
#pragma GCC unroll 9
        for (int x = kFirst; x <= kLast; ++x) {
            state.Grid[x][i + 1] = row[x - 1];
        }
    }
    if (gridRepeatsDigit(state.Grid)) {
        return SetUpOutcome::RepeatedDigit;
    }
    if (made != nullptr) {
        *made = rowsSetUpOf(state.Grid);
        putSetUp(state, *made);
    } else {
        putSetUp(state, rowsSetUpOf(state.Grid));
    }
    return SetUpOutcome::Ready;
}

namespace {

// What set-up keeps of a cell's candidates, by the cell's text: every bit of a filled cell, none
// of a blank one.
constexpr std::array<DigitMask, 256> kKeptByCell = [] {
    std::array<DigitMask, 256> kept{};
    for (std::size_t cell = 0; cell < kept.size(); ++cell) {
        kept[cell] = isBlank(static_cast<CellText>(cell)) ? 0 : 0xFFFF;
    }
    return kept;
}();

}  // namespace

RowsSetUp rowsSetUpOf(const GridArray& grid) {
    RowsSetUp setUp;
    setUp.grid = grid;
    for (int x = kFirst; x <= kLast; ++x) {
        // Once a puzzle and at every Start: the nine cells of a column are looked at without a
        // loop or a test.
#pragma GCC unroll 9
        for (int y = kFirst; y <= kLast; ++y) {
            const auto cell = static_cast<std::size_t>(cellIndex(x, y));
            const DigitMask kept = kKeptByCell[static_cast<unsigned char>(grid[x][y])];
            setUp.kept[cell] = kept;
            setUp.given[cell] = static_cast<DigitMask>(~kept & kAllDigits);
        }
    }
    return setUp;
}

CandidateMasks setUpCandidates(const RowsSetUp& setUp, const CandidateMasks& candidates) {
    // The blend is the same for every bit, so it is made eight bytes at a time.
    constexpr std::size_t kBytes = sizeof(CandidateMasks);
    constexpr std::size_t kWord = sizeof(std::uint64_t);
    const auto* from = reinterpret_cast<const unsigned char*>(candidates.data());
    const auto* kept = reinterpret_cast<const unsigned char*>(setUp.kept.data());
    const auto* given = reinterpret_cast<const unsigned char*>(setUp.given.data());
    CandidateMasks blended;
    auto* to = reinterpret_cast<unsigned char*>(blended.data());
    const auto blend = [&](std::size_t at, std::size_t size) {
        std::uint64_t word = 0;
        std::uint64_t keep = 0;
        std::uint64_t give = 0;
        std::memcpy(&word, from + at, size);
        std::memcpy(&keep, kept + at, size);
        std::memcpy(&give, given + at, size);
        word = (word & keep) | give;
        std::memcpy(to + at, &word, size);
    };
    std::size_t at = 0;
    for (; at + kWord <= kBytes; at += kWord) {
        blend(at, kWord);
    }
    blend(at, kBytes - at);
    return blended;
}

void putSetUp(PuzzleState& state, const RowsSetUp& setUp, const CandidateMasks* known) {
    state.Grid = setUp.grid;
    state.Candidates = known != nullptr ? *known : setUpCandidates(setUp, state.Candidates);
    state.StallCount = 0;
}

}  // namespace quodrill
