// The window's rhythm while it solves, in one place.
//
// The solver's three timers are one-shot deferred calls of 1 ms: each stage of the chain (run,
// guess, restart) runs on its own turn of the event loop, after the window has had its chance to
// take input and repaint. A screen shows about sixty frames a second, far fewer than the solver
// hands over grids, so while a solver timer is armed the window is drawn at most once a frame.
// And since a 1 ms tick is a timed wait, the thread asks Linux to end such waits on time instead
// of the 50 µs late that its default timer slack allows, 5 % of every tick.
#pragma once

namespace quodrill::rhythm {

constexpr int kTickMs = 1;    // the interval of the solve, guess and restart timers
constexpr int kFrameMs = 16;  // about one frame of a 60 Hz screen

// Asks the system to wake the calling thread, the one that runs the window's event loop, on
// time. Does nothing where the system has no such setting.
void wakeOnTime();

}  // namespace quodrill::rhythm
