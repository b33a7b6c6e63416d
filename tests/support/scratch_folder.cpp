#include "tests/support/scratch_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <system_error>

#include "tests/support/fuzz_session.h"

namespace quodrill::fuzzing {

namespace {

class Folder {
  public:
    Folder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quodrill-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            reportFault("making the scratch folder", "mkdtemp failed");
        }
        path_ = pattern;
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace

const std::string& scratchFolder() {
    static const Folder folder;
    return folder.path();
}

std::string writeScratchFile(std::string_view name, std::string_view content) {
    const std::string path = scratchFolder() + "/" + std::string(name);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
    file.close();
    if (!file) {
        reportFault("writing a scratch file", path);
    }
    return path;
}

}  // namespace quodrill::fuzzing
