#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tc::shell {

inline constexpr std::size_t kMaxRecentFiles = 4;
inline constexpr std::string_view kUnknownLastFile = "Unknow";
inline constexpr std::string_view kDefaultLanguage = "0";

// The four preferences and the recent-file list, kept in TC7350.ini in the settings folder (the
// program directory, or the user's configuration folder when that cannot be written). File names
// are kept whole, as the file system's own bytes (platform.h); the INI file holds them in
// Windows-1252 where it can, else as their own bytes behind the bytes EF BB BF (a UTF-8 byte order
// mark), which no file name that Windows-1252 holds starts with.
struct Preferences {
    std::string last_file{kUnknownLastFile};
    bool auto_preload = false;
    bool always_on_top = false;
    std::string language{kDefaultLanguage};
    std::vector<std::string> recent_files;  // most recent first, at most 4
};

std::filesystem::path ini_path(const std::filesystem::path& folder);

// Parses the INI file's contents (lines ended by a carriage return; empty pieces are skipped).
// Recent paths are kept only when `file_exists` says the file can be opened.
Preferences parse_ini(std::string_view contents,
                      const std::function<bool(const std::string& path)>& file_exists);

// The INI file's contents for `prefs`.
std::string format_ini(const Preferences& prefs);

// Reads the INI file; missing or empty gives the defaults. Returns whether any byte was read.
bool read_ini_file(const std::filesystem::path& folder, Preferences& prefs);

// Writes the INI file whole; false when it cannot be written.
bool write_ini_file(const std::filesystem::path& folder, const Preferences& prefs);

// Puts `path` at the head of the recent-file list (moving it when present, dropping the oldest of
// four otherwise) and makes it the last file. A path with a carriage return, which would end its
// line in the INI file, is left out: it changes nothing. The caller rewrites the INI file.
void update_recent_files(Preferences& prefs, const std::string& path);

// The popup menu text of recent entry `index` (from 0): "&1: path", long paths shortened to their
// first 15 characters, "..." and their last 22 characters. The path's parts are shown file names
// (ui/shown_text.h), with "&" doubled so that it shows.
std::string recent_file_menu_text(std::size_t index, const std::string& path);

}  // namespace tc::shell
