#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "texts/program_texts.h"

namespace tc::texts {
namespace {

namespace fs = std::filesystem;

// Only the start of a file is looked at for its language name.
constexpr std::size_t kNameBytes = 260;

constexpr std::string_view kAsciiWhiteSpace = " \t\n\v\f\r";

// Language files match "*.lng" in any letter case, as the wildcard does on Windows.
bool has_language_extension(std::string_view file_name) {
    constexpr std::string_view extension = ".lng";
    if (file_name.size() < extension.size()) return false;
    const std::string_view tail = file_name.substr(file_name.size() - extension.size());
    return std::equal(tail.begin(), tail.end(), extension.begin(),
                      [](char a, char b) { return a == b || a == std::toupper(b); });
}

// The *.lng entries of the directory, sorted by file name so that the offered list does not
// depend on the order in which the file system happens to return them.
std::vector<fs::path> language_file_paths(const fs::path& directory) {
    std::vector<fs::path> paths;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        // Only regular files: opening a named pipe of that name would wait for a writer forever.
        std::error_code kind_error;
        if (has_language_extension(it->path().filename().string()) &&
            it->is_regular_file(kind_error)) {
            paths.push_back(it->path());
        }
    }
    std::sort(paths.begin(), paths.end(), [](const fs::path& a, const fs::path& b) {
        return a.filename().string() < b.filename().string();
    });
    return paths;
}

// At most `limit` bytes from the start of the file; empty when it cannot be opened or read.
std::string read_file_start(const fs::path& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// The whole file; empty when it cannot be opened or read.
std::string read_whole_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The bytes before the first carriage return, leading carriage returns skipped. The name also
// ends at a zero byte: one kept inside it would cut the INI file short where the name is written.
std::string language_name(std::string_view head) {
    head = head.substr(0, head.find('\0'));
    const std::size_t start = head.find_first_not_of('\r');
    if (start == std::string_view::npos) return {};
    const std::size_t end = head.find('\r', start);
    return std::string(head.substr(start, end == std::string_view::npos ? end : end - start));
}

// The table index named by the characters before an "=": a decimal number after optional white
// space and sign, read up to the first non-digit (no digits read as 0). Nothing when the number
// lies outside the table; the value stops at the table's size, so it cannot overflow.
std::optional<std::size_t> entry_index(std::string_view identifier) {
    identifier.remove_prefix(
        std::min(identifier.find_first_not_of(kAsciiWhiteSpace), identifier.size()));
    const bool negative = identifier.starts_with('-');
    if (negative || identifier.starts_with('+')) identifier.remove_prefix(1);
    identifier = identifier.substr(0, identifier.find_first_not_of("0123456789"));
    constexpr auto kSize = static_cast<std::size_t>(kLanguageTableSize);
    std::size_t value = 0;
    for (const char digit : identifier) {
        value = std::min(value * 10 + static_cast<std::size_t>(digit - '0'), kSize);
    }
    if (value == kSize || (negative && value != 0)) return std::nullopt;
    return value;
}

// An entry's text: the line after the "=" less its last character (taken to be the carriage
// return), ending at a zero byte like the zero-terminated entry it fills, and at most 260 long.
std::string entry_text(std::string_view line) {
    if (!line.empty()) line.remove_suffix(1);
    line = line.substr(0, line.find('\0'));
    return std::string(line.substr(0, kMaxEntryLength));
}

}  // namespace

int ProgramTexts::find_language_files(const fs::path& program_dir) {
    const std::array directories{program_dir};
    return find_language_files(directories);
}

int ProgramTexts::find_language_files(std::span<const fs::path> directories) {
    language_files_.clear();
    for (const fs::path& directory : directories) {
        for (const fs::path& path : language_file_paths(directory)) {
            if (language_files_.size() == kMaxLanguageFiles) break;
            // A file that is empty or cannot be read is not offered; the others still are.
            std::string name = language_name(read_file_start(path, kNameBytes));
            if (name.empty()) continue;
            language_files_.push_back(LanguageFile{path, std::move(name)});
        }
    }
    return static_cast<int>(language_files_.size());
}

int ProgramTexts::load_language(const std::string& chosen) {
    for (const LanguageFile& file : language_files_) {
        if (file.name != chosen) continue;
        const std::string contents = read_whole_file(file.path);
        if (contents.empty()) continue;
        read_language_entries(contents);
        return 1;
    }
    return 0;
}

void ProgramTexts::start_languages(const fs::path& program_dir, const std::string& chosen) {
    start_languages(std::span(&program_dir, 1), chosen);
}

void ProgramTexts::start_languages(std::span<const fs::path> directories,
                                   const std::string& chosen) {
    find_language_files(directories);
    language_active_ = load_language(chosen) == 1;
}

void ProgramTexts::read_language_entries(std::string_view contents) {
    const std::size_t name_end = contents.find('\n');
    if (name_end == std::string_view::npos) return;
    std::size_t pos = name_end + 1;
    while (true) {
        const std::size_t equals = contents.find('=', pos);
        if (equals == std::string_view::npos) return;
        const std::optional<std::size_t> index = entry_index(contents.substr(pos, equals - pos));
        const std::size_t line_feed = contents.find('\n', equals + 1);
        if (line_feed == std::string_view::npos) {
            // A last line without its line feed is not taken: the entry is left empty.
            if (index) language_table_[*index].clear();
            return;
        }
        if (index) {
            language_table_[*index] =
                entry_text(contents.substr(equals + 1, line_feed - equals - 1));
        }
        pos = line_feed + 1;
    }
}

}  // namespace tc::texts
