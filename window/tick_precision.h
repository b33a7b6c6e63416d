// Asks the system to wake the event loop on time, so that the solver's 1 ms ticks are not
// stretched by the slack that Linux otherwise allows every timed wait (50 µs by default).
#pragma once

namespace quodrill {

// Applies to the calling thread, the one that runs the window's event loop. Does nothing where
// the system has no such setting.
void wakeOnTime();

}  // namespace quodrill
