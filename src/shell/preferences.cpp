#include "shell/preferences.h"

#include <algorithm>

#include "document/file_io.h"
#include "platform/platform.h"
#include "texts/windows_1252.h"
#include "ui/shown_text.h"

namespace tc::shell {
namespace {

constexpr char kLineEnd = '\r';
constexpr std::size_t kMaxLanguageLength = 260;
// Marks a line that holds a file name Windows-1252 cannot: the name's own bytes follow it.
constexpr std::string_view kFileNameBytesMark = "\xEF\xBB\xBF";
constexpr std::size_t kMenuTextWholeBelow = 41;
constexpr std::size_t kMenuTextHead = 15;
constexpr std::size_t kMenuTextTail = 22;

// The non-empty pieces between carriage returns, up to `limit` of them: runs of carriage returns
// count as one and an empty line yields no piece.
std::vector<std::string_view> ini_pieces(std::string_view text, std::size_t limit) {
    std::vector<std::string_view> pieces;
    std::size_t start = text.find_first_not_of(kLineEnd);
    while (start != std::string_view::npos && pieces.size() != limit) {
        const std::size_t end = text.find(kLineEnd, start);  // past the end: the rest
        pieces.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(kLineEnd, end);
    }
    return pieces;
}

bool starts_with(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// A file name as the INI file holds it: in Windows-1252 when that can hold it, as the file has
// always held names, else its own bytes behind the mark.
std::string ini_line_of(const std::string& file_name) {
    if (auto windows_1252 = texts::windows_1252_from_utf8(file_name)) return *windows_1252;
    return std::string(kFileNameBytesMark) + file_name;
}

std::string file_name_of(std::string_view line) {
    if (starts_with(line, kFileNameBytesMark)) {
        return std::string(line.substr(kFileNameBytesMark.size()));
    }
    return texts::utf8_from_windows_1252(line);
}

// A file name whose characters are counted and cut for the menu: UTF-8, where a byte that starts
// no character (a broken name) counts as one.
bool starts_character(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

std::size_t character_count(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), starts_character));
}

// The bytes of the first `count` characters of `text`.
std::size_t bytes_of_first(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t seen = 0; at < text.size(); ++at) {
        if (starts_character(text[at]) && seen++ == count) break;
    }
    return at;
}

// "&" would underline the next character of a menu item: "&&" shows one.
std::string menu_escaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        escaped += c;
        if (c == '&') escaped += '&';
    }
    return escaped;
}

bool flag_from(std::string_view piece) {
    return piece.front() != '0';
}

bool ini_can_hold(const std::string& file_name) {
    return file_name.find(kLineEnd) == std::string::npos;
}

}  // namespace

std::filesystem::path ini_path(const std::filesystem::path& folder) {
    return folder / "TC7350.ini";
}

Preferences parse_ini(std::string_view contents,
                      const std::function<bool(const std::string& path)>& file_exists) {
    // The text ends at its first zero byte, as it always has.
    contents = contents.substr(0, contents.find('\0'));
    const std::vector<std::string_view> pieces = ini_pieces(contents, 4 + kMaxRecentFiles);

    Preferences prefs;
    if (pieces.size() > 0) {
        // A bare mark names no file: the last file stays unknown.
        std::string name = file_name_of(pieces[0]);
        if (!name.empty()) prefs.last_file = std::move(name);
    }
    if (pieces.size() > 1) prefs.auto_preload = flag_from(pieces[1]);
    if (pieces.size() > 2) prefs.always_on_top = flag_from(pieces[2]);
    if (pieces.size() > 3) prefs.language = pieces[3].substr(0, kMaxLanguageLength);
    for (std::size_t i = 4; i < pieces.size(); ++i) {
        std::string path = file_name_of(pieces[i]);
        if (file_exists(path)) prefs.recent_files.push_back(std::move(path));
    }
    return prefs;
}

std::string format_ini(const Preferences& prefs) {
    std::string text;
    for (const std::string& line :
         {ini_line_of(prefs.last_file), std::string(prefs.auto_preload ? "1" : "0"),
          std::string(prefs.always_on_top ? "1" : "0"), prefs.language}) {
        text += line;
        text += kLineEnd;
    }
    for (const std::string& path : prefs.recent_files) {
        if (path.empty()) continue;
        text += ini_line_of(path);
        text += kLineEnd;
    }
    return text;
}

bool read_ini_file(const std::filesystem::path& folder, Preferences& prefs) {
    prefs = Preferences{};
    const std::optional<std::vector<Byte>> contents = read_whole_file(ini_path(folder));
    if (!contents || contents->empty()) return false;
    const std::string_view text(reinterpret_cast<const char*>(contents->data()), contents->size());
    prefs = parse_ini(
        text, [](const std::string& path) { return is_readable_file(platform::to_path(path)); });
    return true;
}

bool write_ini_file(const std::filesystem::path& folder, const Preferences& prefs) {
    const std::string text = format_ini(prefs);
    return !write_file_safely(ini_path(folder),
                              std::span(reinterpret_cast<const Byte*>(text.data()), text.size()));
}

void update_recent_files(Preferences& prefs, const std::string& path) {
    if (!ini_can_hold(path)) return;
    prefs.last_file = path;
    std::vector<std::string>& list = prefs.recent_files;
    const auto found = std::find(list.begin(), list.end(), path);
    std::size_t length = list.size();
    if (found == list.end() && length < kMaxRecentFiles) ++length;

    std::vector<std::string> rebuilt{path};
    for (auto it = list.begin(); it != list.end() && rebuilt.size() < length; ++it) {
        if (it != found) rebuilt.push_back(*it);
    }
    list = std::move(rebuilt);
}

std::string recent_file_menu_text(std::size_t index, const std::string& path) {
    const std::string text = "&" + std::to_string(index + 1) + ": ";
    const std::size_t length = character_count(path);
    if (length < kMenuTextWholeBelow) return text + ui::shown_file_name(menu_escaped(path));
    const std::string_view name(path);
    const std::string_view head = name.substr(0, bytes_of_first(name, kMenuTextHead));
    const std::string_view tail = name.substr(bytes_of_first(name, length - kMenuTextTail));
    return text + ui::shown_file_name(menu_escaped(head)) + "..." +
           ui::shown_file_name(menu_escaped(tail));
}

}  // namespace tc::shell
