#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "texts/text_slot.h"

namespace tc::test {

// A folder of its own under `parent` (the system's temporary directory), removed with everything in
// it.
class TempFolder {
  public:
    explicit TempFolder(
        const std::filesystem::path& parent = std::filesystem::temp_directory_path()) {
        static std::atomic<int> counter{0};
        const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = parent / ("tc-test-" + std::to_string(ticks) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    // The names of everything in the folder, sorted.
    std::vector<std::string> entries() const;

  private:
    std::filesystem::path path_;
};

// The names of everything in `folder`, hidden ones too, sorted.
inline std::vector<std::string> entries_of(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline std::vector<std::string> TempFolder::entries() const {
    return entries_of(path_);
}

inline std::vector<Byte> read_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<Byte>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void write_bytes(const std::filesystem::path& path, const std::vector<Byte>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline std::string read_text(const std::filesystem::path& path) {
    const std::vector<Byte> bytes = read_bytes(path);
    return std::string(bytes.begin(), bytes.end());
}

inline void write_text(const std::filesystem::path& path, const std::string& text) {
    write_bytes(path, std::vector<Byte>(text.begin(), text.end()));
}

}  // namespace tc::test
