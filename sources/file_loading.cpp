#include "sources/file_loading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

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
            case FileReadError::NotPrintableText:
                return "holds characters outside printable ASCII";
            case FileReadError::ShortRead:
                return "ended before its length";
            case FileReadError::TooLarge:
                return tooLongForPuzzle();
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

// What a file must be to be read, judged from its kind and size before it is opened for reading.
using FileCheck = std::error_code (*)(const struct stat& info);

std::error_code checkPuzzleFile(const struct stat& info) {
    if (!S_ISREG(info.st_mode)) {
        return FileReadError::NotRegularFile;
    }
    if (info.st_size != static_cast<off_t>(kPuzzleFileLength)) {
        return FileReadError::WrongSize;
    }
    return {};
}

std::error_code checkPuzzleTextFile(const struct stat& info) {
    if (!S_ISREG(info.st_mode)) {
        return FileReadError::NotRegularFile;
    }
    if (info.st_size > static_cast<off_t>(kLongestPuzzleText)) {
        return FileReadError::TooLarge;
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

// Reads from the start of the file to its end, but never more than `limit` + 1 bytes: the size
// that was checked may not be the size of what is read (a file that grew, or one of /proc, which
// all give their size as 0).
std::error_code readUpTo(int fd, std::string& text, std::size_t limit) {
    text.assign(limit + 1, '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t got =
            ::pread(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return lastSystemError();
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    text.resize(done);
    return done > limit ? make_error_code(FileReadError::TooLarge) : std::error_code();
}

// Only printable ASCII can be read as row text: a byte outside ASCII starts or continues a
// multi-byte character (or is invalid UTF-8), and a control byte (0 to 31, 127) would stand in
// a row box unseen.
bool isPrintableAscii(const std::string& text) {
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte >= 0x7F) {
            return false;
        }
    }
    return true;
}

// Opens the file for reading only once it is known to be a regular file of the right size, so
// that a device, FIFO or socket is never opened, even when the name is replaced by one while it
// is being looked at. On Linux the name is resolved once, to a handle that cannot read, write or
// have any effect (O_PATH); the checks are made on that handle, and the file it holds, the one
// checked, is then opened through it. Elsewhere, or without /proc, the name is checked, opened
// without blocking and checked again.
std::error_code openCheckedFile(const std::string& filename, FileCheck check, int& fd) {
    struct stat info {};
    constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
#ifdef O_PATH
    const FileDescriptor handle(::open(filename.c_str(), O_PATH | O_CLOEXEC));
    if (handle.get() < 0) {
        return lastSystemError();
    }
    if (::fstat(handle.get(), &info) != 0) {
        return lastSystemError();
    }
    if (const std::error_code refused = check(info)) {
        return refused;
    }
    const std::string throughHandle = "/proc/self/fd/" + std::to_string(handle.get());
    fd = ::open(throughHandle.c_str(), kReadFlags);
    if (fd >= 0 || errno != ENOENT) {
        return fd >= 0 ? std::error_code() : lastSystemError();
    }
    // No /proc: fall through to the portable way.
#endif
    if (::stat(filename.c_str(), &info) != 0) {
        return lastSystemError();
    }
    if (const std::error_code refused = check(info)) {
        return refused;
    }
    fd = ::open(filename.c_str(), kReadFlags);
    return fd >= 0 ? std::error_code() : lastSystemError();
}

// Opens the file as openCheckedFile does and checks once more what was opened: the same file,
// still of a size to be read. Gives -1 and the reason when it is not to be read.
int openAndRecheck(const std::string& filename, FileCheck check, std::error_code& error) {
    int fd = -1;
    if ((error = openCheckedFile(filename, check, fd))) {
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = lastSystemError();
    } else {
        error = check(info);
    }
    if (error) {
        ::close(fd);
        return -1;
    }
    return fd;
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
    const FileDescriptor file(openAndRecheck(filename, checkPuzzleFile, result.error));
    if (result.error) {
        return result;
    }
    if ((result.error = readExactly(file.get(), result.text, kPuzzleFileLength))) {
        result.text.clear();
        return result;
    }
    if (!isPrintableAscii(result.text)) {
        result.text.clear();
        result.error = FileReadError::NotPrintableText;
    }
    return result;
}

FileText readPuzzleTextFile(const std::string& filename) {
    FileText result;
    const FileDescriptor file(openAndRecheck(filename, checkPuzzleTextFile, result.error));
    if (result.error) {
        return result;
    }
    if ((result.error = readUpTo(file.get(), result.text, kLongestPuzzleText))) {
        result.text.clear();
        return result;
    }
    dropByteOrderMark(result.text);
    return result;
}

}  // namespace quodrill
