// The form of the main window: the object name of every control and timer, by which the window,
// its accessibility and the tests find them, and where each control stands on the form.
#pragma once

#include <QRect>
#include <array>
#include <cstddef>

#include "window/twips.h"

namespace quodrill::form {

// A place on the form, in twips from the top-left corner of the window's client area.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

// A control of the form: its object name and its place.
struct Control {
    const char* name;
    Place place;
};

// The client area.
inline constexpr int kWidth = 3810;
inline constexpr int kHeight = 2670;

// The row boxes: T(i), i = 0 to 8, holds row i + 1 of the puzzle, nine digits with 0 for a blank
// cell; T(0) is at the top. They are stacked 240 twips apart, so neighbours overlap by 30.
inline constexpr std::array<Control, 9> T = [] {
    constexpr std::array<const char*, 9> names = {"T0", "T1", "T2", "T3", "T4",
                                                  "T5", "T6", "T7", "T8"};
    std::array<Control, 9> rows{};
    for (int i = 0; i < 9; ++i) {
        rows[static_cast<std::size_t>(i)] = {names[static_cast<std::size_t>(i)],
                                             {0, 240 * i, 1095, 270}};
    }
    return rows;
}();

// Start: checks the rows and sets up the solver, or, with a set-up done, goes on solving.
inline constexpr Control SB{"SB", {2520, 480, 975, 495}};
// The load button: as "Open" it loads the rows from a file, as "重新" it empties them.
inline constexpr Control Loadb{"Loadb", {2520, 1080, 975, 615}};
// The output field: the grid after every pass of the solver, nine lines of nine digits.
inline constexpr Control label2{"label2", {1200, 360, 1215, 1695}};
// The status label: ready, calculating, complete, or why solving stopped.
inline constexpr Control lagl{"lagl", {1200, 120, 2535, 255}};
// The repeat count: how many random guesses since the rows last changed; hidden until the first
// Start.
inline constexpr Control RC{"RC", {1200, 2160, 2535, 255}};
// The hint "(0 means blank)" under the load button.
inline constexpr Control Label1{"Label1", {2520, 1800, 1335, 255}};
// The hint at the bottom on the example keywords test1 to test9.
inline constexpr Control Label3{"Label3", {120, 2400, 3615, 255}};

// The three one-shot timers of the solver's chain.
inline constexpr const char* TT = "TT";        // solve run: propagation passes until they stall
inline constexpr const char* Testt = "Testt";  // random guess: one digit into one blank cell
inline constexpr const char* SBT = "SBT";      // restart: a new set-up from the rows

// A place in device-independent pixels.
inline QRect pixelRect(const Place& place) {
    return {twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
            twipsToPixels(place.height)};
}

}  // namespace quodrill::form
