// The Windows implementation of the platform calls; the build takes it on Windows only.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <string>
#include <system_error>

#include "platform/platform.h"

namespace tc::platform {

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
    wchar_t buffer[MAX_PATH];
    const DWORD length = ::GetEnvironmentVariableW(L"APPDATA", buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::nullopt;
    return std::filesystem::path(std::wstring(buffer, length));
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

}  // namespace tc::platform
