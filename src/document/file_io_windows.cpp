// The Windows implementation of the file calls of document/file_io.h; document/file_io.cpp is the
// POSIX one. The build takes the one that fits the system.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

#include "document/file_io.h"

namespace tc {
namespace {

// Closes the handle when it goes out of scope.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (valid()) ::CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    // Closes now and reports whether the close succeeded.
    bool close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return ::CloseHandle(handle) != 0;
    }

  private:
    HANDLE handle_;
};

// The system errors that have a POSIX counterpart are reported as that, so that a message reads
// the same on every system ("No such file or directory"); the others keep Windows' own text.
struct ErrorCounterpart {
    DWORD windows;
    std::errc posix;
};
constexpr ErrorCounterpart kErrorCounterparts[] = {
    {ERROR_FILE_NOT_FOUND, std::errc::no_such_file_or_directory},
    {ERROR_PATH_NOT_FOUND, std::errc::no_such_file_or_directory},
    {ERROR_ACCESS_DENIED, std::errc::permission_denied},
    {ERROR_WRITE_PROTECT, std::errc::read_only_file_system},
    {ERROR_DISK_FULL, std::errc::no_space_on_device},
    {ERROR_HANDLE_DISK_FULL, std::errc::no_space_on_device},
    {ERROR_FILE_EXISTS, std::errc::file_exists},
    {ERROR_ALREADY_EXISTS, std::errc::file_exists},
    {ERROR_DIRECTORY, std::errc::not_a_directory},
    {ERROR_FILENAME_EXCED_RANGE, std::errc::filename_too_long},
};

std::error_code system_error(DWORD error) {
    for (const ErrorCounterpart& counterpart : kErrorCounterparts) {
        if (counterpart.windows == error) return std::make_error_code(counterpart.posix);
    }
    return std::error_code(static_cast<int>(error), std::system_category());
}

std::error_code last_error() {
    return system_error(::GetLastError());
}

std::filesystem::path folder_of(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

// Temporary files of `target` are hidden, never end in the design file's extension, and name the
// process that made them: ".<name>.tmp-<process>-<n>".
std::wstring temporary_prefix(const std::filesystem::path& target) {
    return L"." + target.filename().wstring() + L".tmp-";
}

// Why an opened handle cannot be used as a file's contents, if it cannot: devices, pipes and
// consoles are not files on a disk.
std::error_code not_a_file(HANDLE file) {
    if (::GetFileType(file) != FILE_TYPE_DISK) return FileError::not_regular_file;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file, &info)) return last_error();
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    return {};
}

// A regular file opened for `access`, or an invalid handle with the reason. Folders can be
// opened only with FILE_FLAG_BACKUP_SEMANTICS, so that one is refused with the open's own error.
HANDLE open_regular_file(const std::filesystem::path& path, DWORD access, std::error_code& reason) {
    const HANDLE file = ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        reason = last_error();
        const DWORD attributes = ::GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            reason = std::make_error_code(std::errc::is_a_directory);
        }
        return file;
    }
    reason = not_a_file(file);
    if (!reason) return file;
    ::CloseHandle(file);
    return INVALID_HANDLE_VALUE;
}

bool write_all(HANDLE file, std::span<const Byte> bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes = bytes.subspan(written);
    }
    return true;
}

bool process_is_gone(DWORD process) {
    const HANDLE handle = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    if (handle != nullptr) {
        ::CloseHandle(handle);
        return false;
    }
    return ::GetLastError() == ERROR_INVALID_PARAMETER;
}

// Removes the temporary files of `target` left by processes that no longer run.
void remove_leftovers(const std::filesystem::path& target) {
    const std::wstring prefix = temporary_prefix(target);
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder_of(target), error), end; !error && it != end;
         it.increment(error)) {
        const std::wstring name = it->path().filename().wstring();
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string rest = std::filesystem::path(name.substr(prefix.size())).string();
        DWORD owner = 0;
        const auto [next, parsed] = std::from_chars(rest.data(), rest.data() + rest.size(), owner);
        if (parsed != std::errc() || owner == 0 || next == rest.data() + rest.size() ||
            *next != '-') {
            continue;
        }
        if (process_is_gone(owner)) ::DeleteFileW(it->path().c_str());
    }
}

// A new file beside `target` holding `bytes`, flushed to the disk; its name, or nothing
// with the reason. Nothing of it is left when it cannot be written. New files take the folder's
// access rules, as the replaced file did.
std::optional<std::filesystem::path> write_temporary(const std::filesystem::path& target,
                                                     std::span<const Byte> bytes,
                                                     std::error_code& reason) {
    const std::wstring stem =
        temporary_prefix(target) + std::to_wstring(::GetCurrentProcessId()) + L"-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path temp = folder_of(target) / (stem + std::to_wstring(attempt));
        // Not hidden: the replaced file takes the attributes of the new one.
        FileHandle file(::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            if (::GetLastError() == ERROR_FILE_EXISTS) continue;
            reason = last_error();
            return std::nullopt;
        }
        if (write_all(file.get(), bytes) && ::FlushFileBuffers(file.get()) && file.close()) {
            return temp;
        }
        reason = last_error();
        if (file.valid()) file.close();
        ::DeleteFileW(temp.c_str());
        return std::nullopt;
    }
    reason = std::make_error_code(std::errc::file_exists);
    return std::nullopt;
}

// A symbolic link is followed, so that the link stays and the file it names gets the bytes.
std::filesystem::path resolve_link(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    return error ? path : target;
}

// Why `target` may not be written over, if it may not; `exists` tells whether there is a file.
// A file with the read-only attribute is never replaced.
std::error_code refusal_of(const std::filesystem::path& target, bool& exists) {
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? std::error_code() : system_error(error);
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return std::make_error_code(std::errc::permission_denied);
    }
    // Opened without access rights, which touches no device, to tell what it is. Whether it may
    // be written shows when it is replaced or written in place.
    std::error_code reason;
    FileHandle probe(open_regular_file(target, 0, reason));
    return reason;
}

// The folder refuses new files, or the replacing of the target (a folder of shared files).
bool folder_refused(const std::error_code& reason) {
    return reason == std::errc::permission_denied;
}

// Writes the existing regular file `target` where it is and flushes it to the disk.
std::error_code write_in_place(const std::filesystem::path& target, std::span<const Byte> bytes) {
    std::error_code reason;
    FileHandle file(open_regular_file(target, GENERIC_WRITE, reason));
    if (!file.valid()) return reason;
    if (!write_all(file.get(), bytes) || !::SetEndOfFile(file.get()) ||
        !::FlushFileBuffers(file.get()) || !file.close()) {
        return last_error();
    }
    return {};
}

}  // namespace

bool is_readable_file(const std::filesystem::path& path) {
    std::error_code ignored;
    return FileHandle(open_regular_file(path, GENERIC_READ, ignored)).valid();
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
    FileHandle file(open_regular_file(path, GENERIC_READ, reason));
    if (!file.valid()) return std::nullopt;
    std::vector<Byte> contents;
    Byte chunk[65536];
    while (contents.size() < limit) {
        const DWORD wanted = static_cast<DWORD>(std::min(sizeof chunk, limit - contents.size()));
        DWORD got = 0;
        if (!::ReadFile(file.get(), chunk, wanted, &got, nullptr)) {
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
    const std::optional<std::filesystem::path> temp = write_temporary(target, bytes, reason);
    if (temp) {
        // The replacing rename goes through to the disk before the call returns.
        if (::MoveFileExW(temp->c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return {};
        }
        reason = last_error();
        ::DeleteFileW(temp->c_str());
    }
    if (exists && folder_refused(reason)) return write_in_place(target, bytes);
    return reason;
}

}  // namespace tc
