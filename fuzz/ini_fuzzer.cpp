// Any bytes as the contents of the INI file. The preferences read from it must stay within their
// limits, survive being written and read again, and feed the recent-file list and its menu texts.
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "shell/preferences.h"

namespace {

using tc::fuzz::require;
using tc::shell::Preferences;

constexpr std::size_t kMaxLanguage = 260;

// A preference line as the INI file can hold it: not empty, no line end, no zero byte. File names
// are kept whole, however long.
bool is_line(const std::string& text, std::size_t limit = std::string::npos) {
    return !text.empty() && text.size() <= limit &&
           text.find_first_of(std::string_view("\r\0", 2)) == std::string::npos;
}

bool same(const Preferences& a, const Preferences& b) {
    return a.last_file == b.last_file && a.auto_preload == b.auto_preload &&
           a.always_on_top == b.always_on_top && a.language == b.language &&
           a.recent_files == b.recent_files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    // Whether a recent path exists is decided by the path itself, so that runs repeat exactly.
    const auto exists = [](const std::string& path) { return path.size() % 3 != 0; };

    Preferences prefs = tc::shell::parse_ini(contents, exists);
    require(is_line(prefs.last_file), "the last file is one line");
    require(is_line(prefs.language, kMaxLanguage),
            "the language is one line of at most 260 characters");
    require(prefs.recent_files.size() <= tc::shell::kMaxRecentFiles, "at most 4 recent files");
    for (std::size_t i = 0; i < prefs.recent_files.size(); ++i) {
        const std::string& path = prefs.recent_files[i];
        require(is_line(path) && exists(path), "recent files are existing one-line paths");
        require(!tc::shell::recent_file_menu_text(i, path).empty(), "each has a menu text");
    }

    const Preferences reread =
        tc::shell::parse_ini(tc::shell::format_ini(prefs), [](const std::string&) { return true; });
    require(same(reread, prefs), "written preferences read back the same");

    // A path taken from the same bytes goes to the front of the list.
    const std::string path(contents.substr(0, contents.find_first_of(std::string_view("\r\0", 2))));
    if (!path.empty()) {
        tc::shell::update_recent_files(prefs, path);
        require(prefs.recent_files.size() <= tc::shell::kMaxRecentFiles, "still at most 4");
        require(prefs.recent_files.front() == prefs.last_file && is_line(prefs.last_file),
                "the used path leads the list and is the last file");
    }
    return 0;
}
