// The one place that talks to the operating system's file calls, so that the rest of the
// document code stays portable.
#include "document/file_io.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <limits>
#include <string>

namespace tc {
namespace {

// What open() and our own openers give for a file they could not open.
constexpr int kNoFile = -1;

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (is_open()) ::close(fd_);
    }
    int get() const { return fd_; }
    bool is_open() const { return fd_ != kNoFile; }
    // Closes now and reports whether the close succeeded (a delayed write error shows up here).
    bool close() {
        const int fd = fd_;
        fd_ = kNoFile;
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

std::error_code last_error() {
    return std::error_code(errno, std::generic_category());
}

std::filesystem::path folder_of(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

// Temporary files of `target` are hidden, never end in the design file's extension, and name the
// process that made them: ".<name>.tmp-<process>-<n>".
std::string temporary_prefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + ".tmp-";
}

std::string temporary_path(const std::filesystem::path& target, int attempt) {
    return (folder_of(target) /
            (temporary_prefix(target) + std::to_string(::getpid()) + "-" + std::to_string(attempt)))
        .string();
}

// Calls `make(path)` with unused temporary names until it succeeds or fails for another reason
// than the name being taken; returns its result, and the name in `temp_path`.
template <typename Make>
int with_unused_name(const std::filesystem::path& target, std::string& temp_path, Make make) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_path = temporary_path(target, attempt);
        const int result = make(temp_path);
        if (result != kNoFile || errno != EEXIST) return result;
    }
    return kNoFile;
}

// Removes the temporary files of `target` whose process no longer runs: a process killed in the
// instant between naming its temporary file and the rename, or on a file system where it was
// named from the start.
void remove_leftovers(const std::filesystem::path& target) {
    const std::string prefix = temporary_prefix(target);
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder_of(target), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        pid_t owner = 0;
        const char* first = name.data() + prefix.size();
        const auto [rest, parsed] = std::from_chars(first, name.data() + name.size(), owner);
        const bool stamped =
            parsed == std::errc() && owner > 0 && rest != name.data() + name.size() && *rest == '-';
        if (!stamped) continue;
        if (::kill(owner, 0) != 0 && errno == ESRCH) ::unlink(it->path().c_str());
    }
}

// Puts the bytes into the temporary file and flushes them to the disk. A replaced file's
// permissions are kept.
bool fill_temporary(int fd, const std::filesystem::path& target, std::span<const Byte> bytes) {
    struct stat old_info {};
    // (A target that is no regular file was refused before anything was written.)
    if (::stat(target.c_str(), &old_info) == 0) ::fchmod(fd, old_info.st_mode & 07777);
    return write_all(fd, bytes) && ::fsync(fd) == 0;
}

// A new file in the target's folder that has no name; -1 where the file system cannot make one.
int create_unnamed_beside(const std::filesystem::path& target) {
    return ::open(folder_of(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

// Gives the unnamed file behind `fd` an unused temporary name.
bool name_unnamed(int fd, const std::filesystem::path& target, std::string& temp_path) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return with_unused_name(target, temp_path, [&](const std::string& path) {
               return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW);
           }) == 0;
}

int create_named_beside(const std::filesystem::path& target, std::string& temp_path) {
    return with_unused_name(target, temp_path, [](const std::string& path) {
        return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    });
}

// A whole temporary file beside `target` holding `bytes`: made without a name and named only once
// it is whole, or named from the start where the file system cannot do that. Nothing, with the
// reason, when it cannot be written; nothing of it is then left.
std::optional<std::string> write_temporary(const std::filesystem::path& target,
                                           std::span<const Byte> bytes, std::error_code& reason) {
    std::string temp_path;
    FileDescriptor unnamed(create_unnamed_beside(target));
    if (unnamed.is_open()) {
        if (!fill_temporary(unnamed.get(), target, bytes)) {
            reason = last_error();
            return std::nullopt;
        }
        if (name_unnamed(unnamed.get(), target, temp_path)) {
            if (unnamed.close()) return temp_path;
            reason = last_error();
            ::unlink(temp_path.c_str());
            return std::nullopt;
        }
        // Without /proc the file cannot be named: it is written again under a name.
    }
    FileDescriptor named(create_named_beside(target, temp_path));
    if (!named.is_open()) {
        reason = last_error();
        return std::nullopt;
    }
    if (fill_temporary(named.get(), target, bytes) && named.close()) return temp_path;
    reason = last_error();
    ::unlink(temp_path.c_str());
    return std::nullopt;
}

// A symbolic link is followed, so that the link stays and the file it names gets the bytes.
std::filesystem::path resolve_link(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    return error ? path : target;
}

// Makes the rename itself durable; a folder that cannot be synced does not undo the save.
void sync_folder(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path();
    const FileDescriptor fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.is_open()) ::fsync(fd.get());
}

// Why an opened descriptor cannot be used as a file's contents, if it cannot.
std::error_code not_a_file(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return last_error();
    if (S_ISDIR(info.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(info.st_mode)) return FileError::not_regular_file;
    return {};
}

// Opens a file without waiting and without taking a terminal, so that a named pipe or a device in
// its place is refused instead of blocking; -1 with the reason when it is not a regular file.
int open_regular_file(const std::filesystem::path& path, int access, std::error_code& reason) {
    const int fd = ::open(path.c_str(), access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd == kNoFile) {
        reason = last_error();
        return fd;
    }
    reason = not_a_file(fd);
    if (!reason) return fd;
    ::close(fd);
    return kNoFile;
}

// Why `target` may not be written over, if it may not; `exists` tells whether there is a file.
// Nothing is opened, so that a device or a pipe in its place is not touched.
std::error_code refusal_of(const std::filesystem::path& target, bool& exists) {
    struct stat info {};
    exists = ::stat(target.c_str(), &info) == 0;
    if (!exists) return errno == ENOENT ? std::error_code() : last_error();
    if (S_ISDIR(info.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(info.st_mode)) return FileError::not_regular_file;
    // A file that nobody may write was made read-only on purpose; root's rights do not count.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return std::make_error_code(std::errc::permission_denied);
    }
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return last_error();
    return {};
}

// The folder refuses new files, or the replacing of the target (a folder of shared files).
bool folder_refused(const std::error_code& reason) {
    return reason == std::errc::permission_denied || reason == std::errc::operation_not_permitted;
}

// Writes the existing regular file `target` where it is and flushes it to the disk.
std::error_code write_in_place(const std::filesystem::path& target, std::span<const Byte> bytes) {
    std::error_code reason;
    FileDescriptor file(open_regular_file(target, O_WRONLY, reason));
    if (!file.is_open()) return reason;
    if (!write_all(file.get(), bytes) || ::ftruncate(file.get(), bytes.size()) != 0 ||
        ::fsync(file.get()) != 0 || !file.close()) {
        return last_error();
    }
    return {};
}

}  // namespace

bool is_readable_file(const std::filesystem::path& path) {
    std::error_code ignored;
    return FileDescriptor(open_regular_file(path, O_RDONLY, ignored)).is_open();
}

std::optional<std::vector<Byte>> read_whole_file(const std::filesystem::path& path) {
    return read_file_start(path, std::numeric_limits<std::size_t>::max());
}

std::optional<std::vector<Byte>> read_file_start(const std::filesystem::path& path,
                                                 std::size_t limit) {
    std::error_code ignored;
    return read_file_start(path, limit, ignored);
}

std::optional<std::vector<Byte>> read_file_start(const std::filesystem::path& path,
                                                 std::size_t limit, std::error_code& reason) {
    FileDescriptor file(open_regular_file(path, O_RDONLY, reason));
    if (!file.is_open()) return std::nullopt;

    std::vector<Byte> contents;
    Byte chunk[65536];
    while (contents.size() < limit) {
        const std::size_t wanted = std::min(sizeof chunk, limit - contents.size());
        const ssize_t got = ::read(file.get(), chunk, wanted);
        if (got < 0) {
            if (errno == EINTR) continue;
            reason = last_error();
            return std::nullopt;
        }
        if (got == 0) break;
        contents.insert(contents.end(), chunk, chunk + got);
    }
    return contents;
}

std::error_code write_file_safely(const std::filesystem::path& path, std::span<const Byte> bytes) {
    if (!path.has_filename()) return std::make_error_code(std::errc::is_a_directory);
    const std::filesystem::path target = resolve_link(path);
    bool exists = false;
    if (const std::error_code refused = refusal_of(target, exists)) return refused;
    remove_leftovers(target);
    std::error_code reason;
    const std::optional<std::string> temp_path = write_temporary(target, bytes, reason);
    if (temp_path) {
        if (::rename(temp_path->c_str(), target.c_str()) == 0) {
            sync_folder(target);
            return {};
        }
        reason = last_error();
        ::unlink(temp_path->c_str());
    }
    if (exists && folder_refused(reason)) return write_in_place(target, bytes);
    return reason;
}

}  // namespace tc
