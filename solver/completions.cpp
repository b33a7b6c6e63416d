#include "solver/completions.h"

#include <array>
#include <bit>
#include <cstdint>

#include "solver/solve_board.h"

namespace quodrill {

namespace {

// The search keeps, for every digit, the blank cells that can still take it as three 27-bit
// bands: band b holds columns 3b + 1 to 3b + 3, a cell's bit is its index less 27 b, so one
// column is nine bits in a row and the bands go in cell index order. The peers that lose a
// digit written into a cell, and the cells of a unit that can take a digit, are a few masks
// away; only the cells they touch are visited.
using Band = std::uint32_t;
constexpr int kBands = 3;
constexpr int kDigits = 9;

constexpr Band kColumnInBand = 0x1FF;  // the first column of a band
constexpr Band kRowInBand = 0x40201;   // the first row of a band: one bit in each column
constexpr Band kBoxInBand = 0x1C0E07;  // the first box of a band: three rows of three columns

constexpr int bandOf(std::size_t cell) {
    return static_cast<int>(cell / 27);
}
constexpr int bitOf(std::size_t cell) {
    return static_cast<int>(cell % 27);
}

// The cells of a band in the row of the cell at each bit.
constexpr std::array<Band, 27> kRowPeers = [] {
    std::array<Band, 27> rows{};
    for (std::size_t bit = 0; bit < 27; ++bit) {
        rows[bit] = kRowInBand << (bit % 9);
    }
    return rows;
}();

// The other cells of a band that share a column, a row or the box with the cell at `bit`.
constexpr std::array<Band, 27> kBandPeers = [] {
    std::array<Band, 27> peers{};
    for (int bit = 0; bit < 27; ++bit) {
        const int row = bit % 9;
        peers[static_cast<std::size_t>(bit)] =
            ((kColumnInBand << (9 * (bit / 9))) | (kRowInBand << row) |
             (kBoxInBand << (3 * (row / 3)))) &
            ~(Band{1} << bit);
    }
    return peers;
}();

// The units of every cell as bits: rows 0 to 8, columns 9 to 17, boxes 18 to 26, as kUnitCells.
constexpr std::array<std::uint32_t, kCellCount> kUnitBits = [] {
    std::array<std::uint32_t, kCellCount> bits{};
    for (std::size_t cell = 0; cell < kCellCount; ++cell) {
        const CellUnits& units = kCellUnits[cell];
        bits[cell] = (1u << units.row) | (1u << units.column) | (1u << units.box);
    }
    return bits;
}();
constexpr std::uint32_t kAllUnits = (1u << kUnitCount) - 1;

// The column and row of every cell.
constexpr std::array<CellPlace, kCellCount> kCellPlaces = [] {
    std::array<CellPlace, kCellCount> places{};
    for (const CellPlace& place : kUnitCells[0]) {  // one cell of each column
        for (int row = kFirst; row <= kLast; ++row) {
            const auto cell = static_cast<std::size_t>(cellIndex(place.column, row));
            places[cell] = {place.column, static_cast<std::uint8_t>(row),
                            static_cast<std::uint8_t>(cell)};
        }
    }
    return places;
}();

// The cells of every unit, band by band.
constexpr std::array<std::array<Band, kBands>, kUnitCount> kUnitBands = [] {
    std::array<std::array<Band, kBands>, kUnitCount> bands{};
    for (std::size_t unit = 0; unit < kUnitCount; ++unit) {
        for (const CellPlace& place : kUnitCells[unit]) {
            bands[unit][static_cast<std::size_t>(bandOf(place.index))] |= Band{1}
                                                                          << bitOf(place.index);
        }
    }
    return bands;
}();

// The cells of a unit that lies in one band.
struct BandCells {
    std::size_t band = 0;
    Band cells = 0;
};

// The columns, then the boxes, in the order of the units.
constexpr std::array<BandCells, 18> kColumnsAndBoxes = [] {
    std::array<BandCells, 18> units{};
    for (std::size_t unit = 9; unit < kUnitCount; ++unit) {
        for (std::size_t band = 0; band < kBands; ++band) {
            if (kUnitBands[unit][band] != 0) {
                units[unit - 9] = {band, kUnitBands[unit][band]};
            }
        }
    }
    return units;
}();

// One point of the search: the blank cells each digit can still go into, band by band, and the
// same the other way round, the digits each blank cell can still take (none once it is filled);
// the units each digit is still missing from, and those whose cells for it dwindled since they
// were last looked at, and the digits that have some.
struct Fill {
    std::array<std::array<Band, kBands>, kDigits> open{};
    std::array<DigitMask, kCellCount> digits{};
    std::array<std::uint32_t, kDigits> missing{};
    std::array<std::uint32_t, kDigits> dwindled{};
    std::uint16_t changed = 0;
};

// Blank cells left with one digit, still to be filled with it, band by band.
using Singles = std::array<Band, kBands>;

// The cells written since the search began, in order, with their digits (0 for 1): what the
// branches above the current point hold, so that a completion can be written out.
struct Trail {
    std::array<std::uint16_t, kCellCount> written{};  // the cell, and the digit times 256
    std::size_t count = 0;
};

bool holds(Band cells, int bit) {
    return ((cells >> bit) & 1u) != 0;
}

bool isSingle(DigitMask digits) {
    return (digits & (digits - 1)) == 0;
}

// Strikes `digit` (its bit `digitMask`) out of the cells `lost` of band `kBand`, adding the units
// of those cells to `units` and the cells it leaves with one digit to `singles`; false once a
// cell is left without a digit.
template <std::size_t kBand>
[[gnu::always_inline]] inline bool strike(Fill& fill, Singles& singles, std::size_t digit,
                                          DigitMask digitMask, Band lost, std::uint32_t& units) {
    fill.open[digit][kBand] &= ~lost;
    for (; lost != 0; lost &= lost - 1) {
        const std::size_t peer = kBand * 27 + static_cast<std::size_t>(std::countr_zero(lost));
        const auto left = static_cast<DigitMask>(fill.digits[peer] & ~digitMask);
        fill.digits[peer] = left;
        units |= kUnitBits[peer];
        if (isSingle(left)) {
            if (left == 0) {
                return false;
            }
            singles[kBand] |= lost & -lost;
        }
    }
    return true;
}

// Takes the first of the singles of band `kBand` and writes its one digit into it, as the
// trail's entry `written`, striking the digit out of the cell's peers; false once a peer is left
// without a digit. Each band is its own copy, with the other two bands known.
template <std::size_t kBand>
[[gnu::always_inline]] inline bool fillCell(Fill& fill, Trail& trail, std::size_t& written,
                                            Singles& singles) {
    constexpr std::size_t kSecond = (kBand + 1) % kBands;
    constexpr std::size_t kThird = (kBand + 2) % kBands;
    const int bit = std::countr_zero(singles[kBand]);
    singles[kBand] &= singles[kBand] - 1;
    const std::size_t cell = kBand * 27 + static_cast<std::size_t>(bit);
    const DigitMask digitMask = fill.digits[cell];
    if (digitMask == 0) {
        return true;  // filled since as a digit's only cell in a unit
    }
    const auto digit = static_cast<std::size_t>(std::countr_zero(digitMask) - 1);
    fill.digits[cell] = 0;
    fill.missing[digit] &= ~kUnitBits[cell];
    trail.written[written++] = static_cast<std::uint16_t>(cell | (digit << 8));
    auto& cells = fill.open[digit];
    const Band row = kRowPeers[static_cast<std::size_t>(bit)];
    cells[kBand] &= ~(Band{1} << bit);
    std::uint32_t units = 0;  // of the cells that lose the digit
    if (!strike<kBand>(fill, singles, digit, digitMask,
                       cells[kBand] & kBandPeers[static_cast<std::size_t>(bit)], units) ||
        !strike<kSecond>(fill, singles, digit, digitMask, cells[kSecond] & row, units) ||
        !strike<kThird>(fill, singles, digit, digitMask, cells[kThird] & row, units)) {
        return false;
    }
    if (units != 0) {
        fill.dwindled[digit] |= units;
        fill.changed |= static_cast<std::uint16_t>(digitMask >> 1);
    }
    return true;
}

// Fills the cells of `singles`, each with its one digit, striking the digit out of the cell's
// peers and adding those it leaves with one digit, and so on; false once a blank cell is left
// without a digit.
bool fillSingles(Fill& fill, Trail& trail, Singles singles) {
    std::size_t written = trail.count;
    for (;;) {
        bool filled = false;
        if (singles[0] != 0) {
            filled = fillCell<0>(fill, trail, written, singles);
        } else if (singles[1] != 0) {
            filled = fillCell<1>(fill, trail, written, singles);
        } else if (singles[2] != 0) {
            filled = fillCell<2>(fill, trail, written, singles);
        } else {
            trail.count = written;
            return true;
        }
        if (!filled) {
            return false;
        }
    }
}

// Leaves `digit` (0 for 1) the only one of a blank cell that can take it, to be filled with the
// singles.
void narrow(Fill& fill, int digit, std::size_t cell, Singles& singles) {
    const auto band = static_cast<std::size_t>(bandOf(cell));
    const Band bit = Band{1} << bitOf(cell);
    const auto digitMask = static_cast<DigitMask>(digitBit(digit + 1));
    const auto others = static_cast<DigitMask>(fill.digits[cell] & ~digitMask);
    for (unsigned rest = others; rest != 0; rest &= rest - 1) {
        const auto other = static_cast<std::size_t>(std::countr_zero(rest) - 1);
        fill.open[other][band] &= ~bit;
        fill.dwindled[other] |= kUnitBits[cell];
    }
    fill.changed |= static_cast<std::uint16_t>(others >> 1);
    fill.digits[cell] = digitMask;
    singles[band] |= bit;
}

// The cells where `digit` is the only one of its row, column or box that can take it, band by
// band, among the units whose cells for it dwindled; false when such a unit that misses it has
// no cell for it.
bool findHiddenSingles(const Fill& fill, int digit, std::array<Band, kBands>& alone) {
    const auto& cells = fill.open[static_cast<std::size_t>(digit)];
    const std::uint32_t units = fill.missing[static_cast<std::size_t>(digit)] &
                                fill.dwindled[static_cast<std::size_t>(digit)];
    for (std::uint32_t rows = units & 0x1FFu; rows != 0; rows &= rows - 1) {
        const Band row = kRowInBand << std::countr_zero(rows);
        const Band first = cells[0] & row;
        const Band second = cells[1] & row;
        const Band third = cells[2] & row;
        const Band any = first | second | third;
        if (any == 0) {
            return false;
        }
        // One cell: one bit, in one band (the row has its cells at the same bits of all three).
        if ((any & (any - 1)) == 0 && first + second + third == any) {
            alone[first != 0 ? 0 : second != 0 ? 1 : 2] |= any;
        }
    }
    for (std::uint32_t others = units >> 9; others != 0; others &= others - 1) {
        const BandCells& unit =
            kColumnsAndBoxes[static_cast<std::size_t>(std::countr_zero(others))];
        const Band any = cells[unit.band] & unit.cells;
        if (any == 0) {
            return false;
        }
        if ((any & (any - 1)) == 0) {
            alone[unit.band] |= any;
        }
    }
    return true;
}

// Fills every digit that only one cell of a unit can take, and what follows from it, until none
// is left; false once a cell or a unit is left without a digit it needs.
bool fillHiddenSingles(Fill& fill, Trail& trail) {
    while (fill.changed != 0) {
        const int digit = std::countr_zero(fill.changed);
        fill.changed &= static_cast<std::uint16_t>(fill.changed - 1);
        if (fill.missing[static_cast<std::size_t>(digit)] == 0) {
            continue;
        }
        std::array<Band, kBands> alone{};
        if (!findHiddenSingles(fill, digit, alone)) {
            return false;
        }
        fill.dwindled[static_cast<std::size_t>(digit)] = 0;
        if ((alone[0] | alone[1] | alone[2]) == 0) {
            continue;
        }
        Singles singles{};
        for (std::size_t band = 0; band < kBands; ++band) {
            for (Band cells = alone[band]; cells != 0; cells &= cells - 1) {
                const int bit = std::countr_zero(cells);
                if (!holds(fill.open[static_cast<std::size_t>(digit)][band], bit)) {
                    return false;  // a digit just written took the only cell of a unit
                }
                narrow(fill, digit, band * 27 + static_cast<std::size_t>(bit), singles);
            }
        }
        if (!fillSingles(fill, trail, singles)) {
            return false;
        }
    }
    return true;
}

struct Search {
    int found = 0;
    int limit = 0;
    long steps = 0;
    bool gaveUp = false;
    const GridArray* grid = nullptr;
    GridArray* first = nullptr;
    std::size_t blanks = 0;  // all filled once the trail holds as many
    Trail trail;

    // Counts the completions of `fill` with `digit` written into `cell`.
    void countFrom(const Fill& fill, int digit, std::size_t cell) {
        const std::size_t written = trail.count;
        Fill next = fill;
        Singles singles{};
        narrow(next, digit, cell, singles);
        if (fillSingles(next, trail, singles)) {
            count(next);
        }
        trail.count = written;
    }

    void writeFirst() {
        *first = *grid;
        for (std::size_t i = 0; i < trail.count; ++i) {
            const CellPlace& place = kCellPlaces[trail.written[i] & 0xFFu];
            (*first)[place.column][place.row] = digitText((trail.written[i] >> 8) + 1);
        }
    }

    // Counts the completions of `fill`, whose cells with one digit are filled: hidden singles
    // filled, then the fewest choices tried in turn: the digits of a cell with two, else the two
    // cells of a unit that can take one of its digits, else the digits of a cell with the fewest;
    // the first of each in the order of the cells and of the units.
    void count(Fill& fill) {
        if (++steps > kCompletionSearchSteps) {
            gaveUp = true;
            return;
        }
        if (!fillHiddenSingles(fill, trail)) {
            return;
        }
        if (trail.count == blanks) {
            if (found++ == 0) {
                writeFirst();
            }
            return;
        }
        for (std::size_t band = 0; band < kBands; ++band) {
            Band some = 0;
            Band several = 0;
            Band many = 0;
            for (const auto& bands : fill.open) {
                many |= several & bands[band];
                several |= some & bands[band];
                some |= bands[band];
            }
            const Band two = several & ~many;
            if (two != 0) {
                const std::size_t cell =
                    band * 27 + static_cast<std::size_t>(std::countr_zero(two));
                tryDigits(fill, fill.digits[cell], cell);
                return;
            }
        }
        for (std::size_t unit = 0; unit < kUnitCount; ++unit) {
            const auto& unitBands = kUnitBands[unit];
            for (int digit = 0; digit < kDigits; ++digit) {
                const auto& cells = fill.open[static_cast<std::size_t>(digit)];
                if (std::popcount(cells[0] & unitBands[0]) +
                        std::popcount(cells[1] & unitBands[1]) +
                        std::popcount(cells[2] & unitBands[2]) !=
                    2) {
                    continue;
                }
                for (const CellPlace& place : kUnitCells[unit]) {
                    if ((fill.digits[place.index] & digitBit(digit + 1)) != 0 && found < limit &&
                        !gaveUp) {
                        countFrom(fill, digit, place.index);
                    }
                }
                return;
            }
        }
        std::size_t best = 0;
        int fewest = 10;
        for (std::size_t cell = 0; cell < kCellCount; ++cell) {
            const int digits = digitCount(fill.digits[cell]);
            if (digits != 0 && digits < fewest) {
                fewest = digits;
                best = cell;
            }
        }
        tryDigits(fill, fill.digits[best], best);
    }

    void tryDigits(const Fill& fill, DigitMask digits, std::size_t cell) {
        for (; digits != 0 && found < limit && !gaveUp;
             digits = static_cast<DigitMask>(digits & (digits - 1))) {
            countFrom(fill, std::countr_zero(digits) - 1, cell);
        }
    }
};

}  // namespace

int countCompletions(const GridArray& grid, const CandidateMasks& candidates, int limit,
                     GridArray& first) {
    Search search;
    search.limit = limit;
    search.grid = &grid;
    search.first = &first;
    Fill fill;
    fill.missing.fill(kAllUnits);
    std::array<DigitMask, kUnitCount> used{};
    std::array<std::uint8_t, kCellCount> blanks{};
    std::size_t cell = 0;
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r, ++cell) {
            const DigitMask held = heldDigit(grid[c][r]);
            const CellUnits& units = kCellUnits[cell];
            if (held == 0) {
                blanks[search.blanks++] = static_cast<std::uint8_t>(cell);
            } else if (((used[units.row] | used[units.column] | used[units.box]) & held) != 0) {
                return 0;  // a repeated digit
            } else {
                used[units.row] |= held;
                used[units.column] |= held;
                used[units.box] |= held;
                fill.missing[static_cast<std::size_t>(std::countr_zero(held) - 1)] &=
                    ~kUnitBits[cell];
            }
        }
    }
    Singles singles{};
    for (std::size_t i = 0; i < search.blanks; ++i) {
        cell = blanks[i];
        const CellUnits& units = kCellUnits[cell];
        const auto digits =
            static_cast<DigitMask>(candidates[cell] & kAllDigits &
                                   ~(used[units.row] | used[units.column] | used[units.box]));
        if (digits == 0) {
            return 0;  // a blank cell that no digit fits
        }
        fill.digits[cell] = digits;
        const Band bit = Band{1} << bitOf(cell);
        const auto band = static_cast<std::size_t>(bandOf(cell));
        for (unsigned rest = digits; rest != 0; rest &= rest - 1) {
            fill.open[static_cast<std::size_t>(std::countr_zero(rest) - 1)][band] |= bit;
        }
        if (isSingle(digits)) {
            singles[band] |= bit;
        }
    }
    fill.dwindled.fill(kAllUnits);
    fill.changed = (1u << kDigits) - 1;
    if (fillSingles(fill, search.trail, singles)) {
        search.count(fill);
    }
    return search.gaveUp ? kCompletionsUnknown : search.found;
}

}  // namespace quodrill
