#include "sources/file_loading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "ui/captions.h"

namespace quodrill {

namespace {

class FileReadCategory final : public std::error_category {
  public:
    const char* name() const noexcept override { return "puzzle file"; }
    std::string message(int value) const override {
        switch (static_cast<FileReadError>(value)) {
            case FileReadError::NotRegularFile:
                return "not a regular file";
            case FileReadError::WrongSize:
                return "not the size of a puzzle file";
            case FileReadError::NotSingleByteText:
                return "holds characters outside ASCII";
            case FileReadError::ShortRead:
                return "ended before its length";
        }
        return "unknown error";
    }
};

std::error_code lastSystemError() {
    return {errno, std::generic_category()};
}

// Closes the descriptor on every way out.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

std::error_code checkPuzzleFile(const struct stat& info) {
    if (!S_ISREG(info.st_mode)) {
        return FileReadError::NotRegularFile;
    }
    if (info.st_size != static_cast<off_t>(kPuzzleFileLength)) {
        return FileReadError::WrongSize;
    }
    return {};
}

// Reads exactly `length` bytes from the start of the file, retrying interrupted reads.
std::error_code readExactly(int fd, std::string& text, std::size_t length) {
    text.assign(length, '\0');
    std::size_t done = 0;
    while (done < length) {
        const ssize_t got =
            ::pread(fd, text.data() + done, length - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return lastSystemError();
        }
        if (got == 0) {
            return FileReadError::ShortRead;
        }
        done += static_cast<std::size_t>(got);
    }
    return {};
}

// As UTF-8, a byte outside ASCII starts or continues a multi-byte character, or is invalid.
bool isSingleByteText(const std::string& text) {
    for (char ch : text) {
        if (static_cast<unsigned char>(ch) >= 0x80) {
            return false;
        }
    }
    return true;
}

void fillRowsFromContent(WindowOps& window, const std::string& content) {
    for (int r = 1; r <= 9; ++r) {
        window.setRowText(r - 1, "");
        for (int c = 1; c <= 9; ++c) {
            const char next = content[static_cast<std::size_t>(9 * (r - 1) + c - 1)];
            window.setRowText(r - 1, window.rowText(r - 1) + next);
        }
    }
}

void loadingTurn(WindowOps& window) {
    const std::string filename =
        window.runFileOpenDialog(captions::kOpenDialogTitle, captions::kOpenDialogFilter);
    const FileText file = ReadTextFileContents(filename);
    const std::string content = file ? file.text : std::string();
    if (content.size() != kPuzzleFileLength) {
        return;
    }
    fillRowsFromContent(window, content);
    window.setLoadButtonCaption(captions::kLoadReset);
}

void emptyingTurn(PuzzleState& state, WindowOps& window) {
    state.SetUpDone = 0;
    for (int i = 0; i < 9; ++i) {
        window.setRowText(i, "");
    }
    window.setLoadButtonCaption(captions::kLoadOpen);
    state.GuessCount = 0;
}

}  // namespace

const std::error_category& fileReadCategory() {
    static const FileReadCategory category;
    return category;
}

std::error_code make_error_code(FileReadError error) {
    return {static_cast<int>(error), fileReadCategory()};
}

FileText ReadTextFileContents(const std::string& filename) {
    FileText result;
    // Looked at before opening, so that a FIFO or device is never opened at all.
    struct stat info {};
    if (::stat(filename.c_str(), &info) != 0) {
        result.error = lastSystemError();
        return result;
    }
    if ((result.error = checkPuzzleFile(info))) {
        return result;
    }
    // Non-blocking, and checked again once open, in case the name was replaced meanwhile.
    const FileDescriptor file(
        ::open(filename.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        result.error = lastSystemError();
        return result;
    }
    if (::fstat(file.get(), &info) != 0) {
        result.error = lastSystemError();
        return result;
    }
    if ((result.error = checkPuzzleFile(info))) {
        return result;
    }
    if ((result.error = readExactly(file.get(), result.text, kPuzzleFileLength))) {
        result.text.clear();
        return result;
    }
    if (!isSingleByteText(result.text)) {
        result.text.clear();
        result.error = FileReadError::NotSingleByteText;
    }
    return result;
}

void Loadb_Click(PuzzleState& state, WindowOps& window) {
    if (window.loadButtonCaption() == captions::kLoadOpen) {
        loadingTurn(window);
    } else {
        emptyingTurn(state, window);
    }
}

}  // namespace quodrill
