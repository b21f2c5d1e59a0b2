#include "shell/preferences.h"

#include <algorithm>

#include "document/file_io.h"

namespace tc::shell {
namespace {

constexpr char kLineEnd = '\r';
constexpr std::size_t kMaxTextLength = 260;  // last file, language and recent paths
constexpr std::size_t kMenuTextWholeBelow = 41;
constexpr std::size_t kMenuTextHead = 15;
constexpr std::size_t kMenuTextTail = 22;

// The non-empty pieces between carriage returns, up to `limit` of them: runs of carriage returns
// count as one and an empty line yields no piece.
std::vector<std::string_view> ini_pieces(std::string_view text, std::size_t limit) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (pieces.size() < limit && start < text.size()) {
        const std::size_t end = std::min(text.find(kLineEnd, start), text.size());
        if (end > start) pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

std::string cut(std::string_view text) {
    return std::string(text.substr(0, kMaxTextLength));
}

bool flag_from(std::string_view piece) {
    return piece.front() != '0';
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
    if (pieces.size() > 0) prefs.last_file = cut(pieces[0]);
    if (pieces.size() > 1) prefs.auto_preload = flag_from(pieces[1]);
    if (pieces.size() > 2) prefs.always_on_top = flag_from(pieces[2]);
    if (pieces.size() > 3) prefs.language = cut(pieces[3]);
    for (std::size_t i = 4; i < pieces.size(); ++i) {
        std::string path = cut(pieces[i]);
        if (file_exists(path)) prefs.recent_files.push_back(std::move(path));
    }
    return prefs;
}

std::string format_ini(const Preferences& prefs) {
    std::string text;
    for (const std::string& line : {prefs.last_file, std::string(prefs.auto_preload ? "1" : "0"),
                                    std::string(prefs.always_on_top ? "1" : "0"), prefs.language}) {
        text += line;
        text += kLineEnd;
    }
    for (const std::string& path : prefs.recent_files) {
        if (path.empty()) continue;
        text += path;
        text += kLineEnd;
    }
    return text;
}

bool read_ini_file(const std::filesystem::path& folder, Preferences& prefs) {
    prefs = Preferences{};
    const std::optional<std::vector<Byte>> contents = read_whole_file(ini_path(folder));
    if (!contents || contents->empty()) return false;
    const std::string_view text(reinterpret_cast<const char*>(contents->data()), contents->size());
    prefs = parse_ini(text, [](const std::string& path) { return is_readable_file(path); });
    return true;
}

bool write_ini_file(const std::filesystem::path& folder, const Preferences& prefs) {
    const std::string text = format_ini(prefs);
    return write_file_atomically(
        ini_path(folder), std::span(reinterpret_cast<const Byte*>(text.data()), text.size()));
}

void update_recent_files(Preferences& prefs, const std::string& path) {
    const std::string entry = cut(path);
    prefs.last_file = entry;
    std::vector<std::string>& list = prefs.recent_files;
    const auto found = std::find(list.begin(), list.end(), entry);
    std::size_t length = list.size();
    if (found == list.end() && length < kMaxRecentFiles) ++length;

    std::vector<std::string> rebuilt{entry};
    for (auto it = list.begin(); it != list.end() && rebuilt.size() < length; ++it) {
        if (it != found) rebuilt.push_back(*it);
    }
    list = std::move(rebuilt);
}

std::string recent_file_menu_text(std::size_t index, const std::string& path) {
    std::string text = "&" + std::to_string(index + 1) + ": ";
    if (path.size() < kMenuTextWholeBelow) return text + path;
    return text + path.substr(0, kMenuTextHead) + "..." + path.substr(path.size() - kMenuTextTail);
}

}  // namespace tc::shell
