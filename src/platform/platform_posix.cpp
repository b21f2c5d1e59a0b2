// The POSIX implementation of the platform calls (Linux, the BSDs, macOS); the build takes it
// everywhere but on Windows.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/platform.h"

namespace tc::platform {
namespace {

std::optional<std::filesystem::path> absolute_from_environment(const char* name) {
    const char* value = std::getenv(name);
    // A relative value is to be ignored, as the base directory rules say.
    if (value == nullptr || value[0] != '/') return std::nullopt;
    return std::filesystem::path(value);
}

}  // namespace

std::filesystem::path to_path(const std::string& file_name) {
    return std::filesystem::path(file_name);
}

std::string to_file_name(const std::filesystem::path& path) {
    return path.string();
}

std::vector<std::string> command_line_arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

bool is_writable_directory(const std::filesystem::path& directory) {
    struct stat info {};
    if (::stat(directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    return ::access(directory.c_str(), W_OK | X_OK) == 0;
}

std::optional<std::filesystem::path> user_config_home() {
    if (auto config = absolute_from_environment("XDG_CONFIG_HOME")) return config;
    if (auto home = absolute_from_environment("HOME")) return *home / ".config";
    return std::nullopt;
}

std::optional<std::filesystem::path> make_temporary_directory(const char* prefix) {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) return std::nullopt;
    std::string pattern = (base / (std::string(prefix) + "XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) return std::nullopt;
    return std::filesystem::path(pattern);
}

void use_binary_standard_streams() {}

}  // namespace tc::platform
