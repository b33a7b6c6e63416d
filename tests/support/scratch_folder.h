// A folder of scratch files for one fuzzer process, made on first use and removed at exit.
#pragma once

#include <string>
#include <string_view>

namespace quodrill::fuzzing {

// The folder's path.
const std::string& scratchFolder();

// Writes `content` as the whole file `name` in the scratch folder and returns its path.
std::string writeScratchFile(std::string_view name, std::string_view content);

}  // namespace quodrill::fuzzing
