#include "app/window_launch.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>

namespace quodrill {

namespace {

constexpr const char* kWindowProgram = "quodrill-window";

// The folder of this program's file, links resolved.
std::filesystem::path ownFolder() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

}  // namespace

int startWindowProgram(char** argv) {
    const std::filesystem::path folder = ownFolder();
    const std::filesystem::path installed =
        (folder / QUODRILL_WINDOW_FROM_BIN / kWindowProgram).lexically_normal();
    for (const std::filesystem::path& program : {folder / kWindowProgram, installed}) {
        if (::access(program.c_str(), X_OK) == 0) {
            ::execv(program.c_str(), argv);
            std::cerr << "quodrill: cannot start the window program " << program.string() << ": "
                      << std::strerror(errno) << '\n';
            return 1;
        }
    }
    std::cerr << "quodrill: cannot find the window program: " << installed.string()
              << " is missing\n";
    return 1;
}

}  // namespace quodrill
