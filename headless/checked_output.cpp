#include "headless/checked_output.h"

#include <cerrno>
#include <cstring>
#include <ostream>

namespace quodrill {

bool flushOutput(std::ostream& output, std::ostream& errors) {
    output.flush();
    if (output) {
        return true;
    }
    // The output is checked after every puzzle, and nothing between the failed write and here
    // sets errno.
    const int error = errno;
    errors << "quodrill: write error";
    if (error != 0) {
        errors << ": " << std::strerror(error);
    }
    errors << '\n';
    return false;
}

}  // namespace quodrill
