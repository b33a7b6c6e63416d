// This process's memory as the kernel accounts for it, for the long-chain drivers and benchmarks.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace quodrill::testing {

// A field of /proc/self/status such as "VmRSS:" (resident now) or "VmHWM:" (resident at its
// peak), in KiB; -1 where there is no such field.
inline long processMemoryKiB(std::string_view field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::strtol(line.c_str() + field.size(), nullptr, 10);
        }
    }
    return -1;
}

}  // namespace quodrill::testing
