#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <system_error>
#include <vector>

#include "texts/text_slot.h"

namespace tc {

// Failures of our own file rules that the operating system has no error number for.
enum class FileError {
    not_regular_file = 1,  // a device, a named pipe or a socket stands where a file is expected
};
const std::error_category& file_error_category();
std::error_code make_error_code(FileError error);

}  // namespace tc

template <>
struct std::is_error_code_enum<tc::FileError> : std::true_type {};

namespace tc {

// Whether `path` names a regular file that can be opened for reading.
bool is_readable_file(const std::filesystem::path& path);

// The whole contents of a regular file, or nothing when it cannot be opened or read.
std::optional<std::vector<Byte>> read_whole_file(const std::filesystem::path& path);

// As read_whole_file, but of a longer file only its first `limit` bytes are read.
std::optional<std::vector<Byte>> read_file_start(const std::filesystem::path& path,
                                                 std::size_t limit);

// As above; when nothing is returned, `reason` says why (no such file, permission denied, is a
// folder, FileError::not_regular_file, ...).
std::optional<std::vector<Byte>> read_file_start(const std::filesystem::path& path,
                                                 std::size_t limit, std::error_code& reason);

// Writes `bytes` as the whole new contents of the file `path` (of the file it names, when `path`
// is a symbolic link, which stays). Returns nothing on success, else the reason, and then the
// previous file is as it was:
// - a target that exists and is not a regular file (a folder, a device, a named pipe, a socket)
//   is refused, and so is a file that this process may not write or that nobody may write (a
//   read-only file, whoever runs the program), before anything is written;
// - the bytes go to a new file in the target's folder, are flushed to the disk, and only then
//   does that file replace the target in one step. The new file has no name while it is written
//   and gets its hidden name ".<name>.tmp-<process>-<n>" only once it is whole, so a process
//   killed while writing leaves nothing behind; where the file system cannot make a file without
//   a name, it is named from the start. A later save of the same file removes such leftovers of
//   processes that no longer run;
// - only when the folder refuses new files (or the replacing) while the existing target may be
//   written, the target is written where it is and flushed to the disk. That write is not safe
//   against a crash or a full disk part-way: the file can then hold a mix of old and new bytes.
std::error_code write_file_safely(const std::filesystem::path& path, std::span<const Byte> bytes);

}  // namespace tc
