#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "texts/text_slot.h"

namespace tc {

// Whether `path` names a regular file that can be opened for reading.
bool is_readable_file(const std::filesystem::path& path);

// The whole contents of a regular file, or nothing when it cannot be opened or read.
std::optional<std::vector<Byte>> read_whole_file(const std::filesystem::path& path);

// Writes `bytes` to a new file in the target's folder, flushes it to the disk and only then
// renames it over `path`. On any failure the temporary file is removed, the previous file at
// `path` is left as it was, and false is returned.
bool write_file_atomically(const std::filesystem::path& path, std::span<const Byte> bytes);

}  // namespace tc
