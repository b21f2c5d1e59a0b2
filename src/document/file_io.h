#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <system_error>
#include <vector>

#include "texts/text_slot.h"

namespace tc {

// Whether `path` names a regular file that can be opened for reading.
bool is_readable_file(const std::filesystem::path& path);

// The whole contents of a regular file, or nothing when it cannot be opened or read.
std::optional<std::vector<Byte>> read_whole_file(const std::filesystem::path& path);

// As read_whole_file, but of a longer file only its first `limit` bytes are read.
std::optional<std::vector<Byte>> read_file_start(const std::filesystem::path& path,
                                                 std::size_t limit);

// Writes `bytes` to a new file in the target's folder, flushes it to the disk and only then
// renames it over `path` (over the file it names, when `path` is a symbolic link). On any failure
// the temporary file is removed, the previous file at `path` is left as it was, and false is
// returned. The temporary file is made without a name and gets its hidden name
// ".<name>.tmp-<process>-<n>" only once it is whole, so a process killed while writing leaves
// nothing behind; where the file system cannot make a file without a name, it is named from the
// start. A later save of the same file removes such leftovers of processes that no longer run.
bool write_file_atomically(const std::filesystem::path& path, std::span<const Byte> bytes);

// As above; on failure `reason` holds the operating system's error that stopped the save.
bool write_file_atomically(const std::filesystem::path& path, std::span<const Byte> bytes,
                           std::error_code& reason);

}  // namespace tc
