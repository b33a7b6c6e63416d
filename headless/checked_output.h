// Standard output that is known to have reached its reader: a failed write is said once on
// standard error instead of being lost without a word.
#pragma once

#include <iosfwd>

namespace quodrill {

// Flushes `output`. When that, or any write to it before, failed, prints "quodrill: write
// error: <reason>" on `errors` and returns false.
bool flushOutput(std::ostream& output, std::ostream& errors);

}  // namespace quodrill
