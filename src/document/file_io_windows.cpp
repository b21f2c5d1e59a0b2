// The Windows implementation of the file calls of document/file_io.h; document/file_io.cpp is the
// POSIX one. The build takes the one that fits the system.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <algorithm>
#include <charconv>
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

std::error_code last_error() {
    return std::error_code(static_cast<int>(::GetLastError()), std::system_category());
}

std::filesystem::path folder_of(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

// Temporary files of `target` are hidden, never end in the design file's extension, and name the
// process that made them: ".<name>.tmp-<process>-<n>".
std::wstring temporary_prefix(const std::filesystem::path& target) {
    return L"." + target.filename().wstring() + L".tmp-";
}

// A regular file opened for reading, or an invalid handle. Devices and pipes are refused.
HANDLE open_regular_file(const std::filesystem::path& path) {
    const HANDLE file =
        ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return file;
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        ::CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    return file;
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

// A new hidden file beside `target` holding `bytes`, flushed to the disk; its name, or nothing
// with the reason. Nothing of it is left when it cannot be written. New files take the folder's
// access rules, as the replaced file did.
std::optional<std::filesystem::path> write_temporary(const std::filesystem::path& target,
                                                     std::span<const Byte> bytes,
                                                     std::error_code& reason) {
    const std::wstring stem =
        temporary_prefix(target) + std::to_wstring(::GetCurrentProcessId()) + L"-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path temp = folder_of(target) / (stem + std::to_wstring(attempt));
        FileHandle file(::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_HIDDEN, nullptr));
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

}  // namespace

bool is_readable_file(const std::filesystem::path& path) {
    return FileHandle(open_regular_file(path)).valid();
}

std::optional<std::vector<Byte>> read_whole_file(const std::filesystem::path& path) {
    FileHandle file(open_regular_file(path));
    if (!file.valid()) return std::nullopt;
    std::vector<Byte> contents;
    Byte chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) return std::nullopt;
        if (got == 0) return contents;
        contents.insert(contents.end(), chunk, chunk + got);
    }
}

bool write_file_atomically(const std::filesystem::path& path, std::span<const Byte> bytes) {
    std::error_code ignored;
    return write_file_atomically(path, bytes, ignored);
}

bool write_file_atomically(const std::filesystem::path& path, std::span<const Byte> bytes,
                           std::error_code& reason) {
    if (!path.has_filename()) {
        reason = std::make_error_code(std::errc::is_a_directory);
        return false;
    }
    const std::filesystem::path target = resolve_link(path);
    remove_leftovers(target);
    const std::optional<std::filesystem::path> temp = write_temporary(target, bytes, reason);
    if (!temp) return false;
    // The replacing rename goes through to the disk before the call returns.
    if (!::MoveFileExW(temp->c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        reason = last_error();
        ::DeleteFileW(temp->c_str());
        return false;
    }
    reason.clear();
    return true;
}

}  // namespace tc
