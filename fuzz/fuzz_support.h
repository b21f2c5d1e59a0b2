#pragma once

#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace tc::fuzz {

// A broken promise of the code under test: reported as a crash, so the fuzzer keeps the input.
inline void require(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", promise);
    std::abort();
}

// A folder of the fuzzer's own for the files it feeds to the readers, removed when it ends. It is
// in memory (/dev/shm) where there is such a place: a file is written for every input.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::error_code error;
        const std::filesystem::path memory = "/dev/shm";
        const std::filesystem::path base = std::filesystem::is_directory(memory, error)
                                               ? memory
                                               : std::filesystem::temp_directory_path(error);
        std::string pattern = (base / "tc-fuzz-XXXXXX").string();
        require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
        path_ = pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline void write_file(const std::filesystem::path& path, const std::uint8_t* data,
                       std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    require(out.good(), "the scratch file can be written");
}

}  // namespace tc::fuzz
