// The one place that talks to the operating system's file calls, so that the rest of the
// document code stays portable.
#include "document/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace tc {
namespace {

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded (a delayed write error shows up here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool write_all(int fd, std::span<const Byte> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a new file beside `target` whose name no other file has; its path goes to `temp_path`.
int create_temporary_beside(const std::filesystem::path& target, std::string& temp_path) {
    const std::filesystem::path folder = target.parent_path();
    const std::string stem =
        "." + target.filename().string() + ".tmp-" + std::to_string(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_path = (folder / (stem + "-" + std::to_string(attempt))).string();
        const int fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Makes the rename itself durable; a folder that cannot be synced does not undo the save.
void sync_folder(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path();
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A descriptor for reading, or -1 when `path` is not a regular file that can be opened.
int open_regular_file(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fd;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

bool is_readable_file(const std::filesystem::path& path) {
    return FileDescriptor(open_regular_file(path)).get() >= 0;
}

std::optional<std::vector<Byte>> read_whole_file(const std::filesystem::path& path) {
    FileDescriptor file(open_regular_file(path));
    if (file.get() < 0) return std::nullopt;

    std::vector<Byte> contents;
    Byte chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) return contents;
        contents.insert(contents.end(), chunk, chunk + got);
    }
}

bool write_file_atomically(const std::filesystem::path& path, std::span<const Byte> bytes) {
    if (!path.has_filename()) return false;
    std::string temp_path;
    FileDescriptor temp(create_temporary_beside(path, temp_path));
    if (temp.get() < 0) return false;

    // A replaced file keeps its permissions.
    struct stat old_info {};
    if (::stat(path.c_str(), &old_info) == 0 && S_ISREG(old_info.st_mode)) {
        ::fchmod(temp.get(), old_info.st_mode & 07777);
    }

    const bool written = write_all(temp.get(), bytes) && ::fsync(temp.get()) == 0;
    if (!temp.close() || !written || ::rename(temp_path.c_str(), path.c_str()) != 0) {
        ::unlink(temp_path.c_str());
        return false;
    }
    sync_folder(path);
    return true;
}

}  // namespace tc
