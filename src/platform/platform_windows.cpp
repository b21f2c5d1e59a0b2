// The Windows implementation of the platform calls; the build takes it on Windows only.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <fcntl.h>
#include <io.h>
#include <windows.h>

// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <system_error>
#include <vector>

#include "platform/platform.h"

namespace tc::platform {

std::filesystem::path to_path(const std::string& file_name) {
    const std::filesystem::path path(std::u8string(file_name.begin(), file_name.end()));
    // A longer name reaches the file calls whole only behind the prefix that lifts their old
    // length limit, which takes a whole path with backslashes.
    const std::wstring& text = path.native();
    if (text.size() < MAX_PATH || !path.is_absolute() || text.starts_with(L"\\\\?\\")) {
        return path;
    }
    const std::wstring whole = path.lexically_normal().make_preferred().native();
    if (whole.starts_with(L"\\\\")) return std::filesystem::path(L"\\\\?\\UNC\\" + whole.substr(2));
    return std::filesystem::path(L"\\\\?\\" + whole);
}

std::string to_file_name(const std::filesystem::path& path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

std::vector<std::string> command_line_arguments(int argc, char** argv) {
    int count = 0;
    wchar_t** const wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(to_file_name(std::filesystem::path(wide[i])));
    ::LocalFree(wide);
    return arguments;
}

bool is_writable_directory(const std::filesystem::path& directory) {
    const DWORD attributes = ::GetFileAttributesW(directory.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return false;
    }
    // The read-only attribute means nothing on folders and the access rules are too many to
    // evaluate: a probe file that removes itself when closed tells.
    const std::filesystem::path probe =
        directory / (L".tc7350-write-probe-" + std::to_wstring(::GetCurrentProcessId()));
    const HANDLE file = ::CreateFileW(
        probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
        FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(file);
    return true;
}

std::optional<std::filesystem::path> user_config_home() {
    const DWORD size = ::GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    if (size == 0) return std::nullopt;
    std::wstring value(size, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(L"APPDATA", value.data(), size);
    if (length == 0 || length >= size) return std::nullopt;
    value.resize(length);
    return std::filesystem::path(value);
}

std::optional<std::filesystem::path> make_temporary_directory(const char* prefix) {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) return std::nullopt;
    const std::wstring stem =
        std::filesystem::path(prefix).wstring() + std::to_wstring(::GetCurrentProcessId()) + L"-";
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate =
            base / (stem + std::to_wstring(::GetTickCount64()) + L"-" + std::to_wstring(attempt));
        if (::CreateDirectoryW(candidate.c_str(), nullptr)) return candidate;
        if (::GetLastError() != ERROR_ALREADY_EXISTS) return std::nullopt;
    }
    return std::nullopt;
}

void use_binary_standard_streams() {
    ::_setmode(::_fileno(stdin), _O_BINARY);
    ::_setmode(::_fileno(stdout), _O_BINARY);
}

}  // namespace tc::platform
