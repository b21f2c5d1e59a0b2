#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tc::texts {

inline constexpr int kLanguageTableSize = 5000;   // identifiers 0-4999
inline constexpr std::size_t kMaxEntryLength = 260;
inline constexpr std::size_t kMaxLanguageFiles = 20;
inline constexpr std::size_t kTextBufferSize = 161;  // 160 characters and a zero byte

// The built-in text with that identifier, empty when there is none. Windows-1252 bytes.
std::string_view builtin_text(int id);

// Number of texts in the built-in table.
std::size_t builtin_text_count();

struct LanguageFile {
    std::filesystem::path path;
    std::string name;  // the language name, at most 260 bytes
};

// Program texts by identifier: the built-in table, replaced entry by entry by a language file.
class ProgramTexts {
public:
    // The text for `id`, at most size - 1 characters: the language entry when a language is
    // active and defines it, else the built-in text, else empty.
    std::string load_program_text(int id, std::size_t size = kTextBufferSize) const;

    // The language table's entry unchanged, possibly empty (also for identifiers out of range).
    const std::string& language_entry(int id) const;

    bool language_active() const { return language_active_; }
    void set_language_active(bool active) { language_active_ = active; }

    // Fills the language file list from the *.lng files of `program_dir`; returns the count.
    int find_language_files(const std::filesystem::path& program_dir);
    // As above over several folders, one after the other: at most 20 files in all.
    int find_language_files(std::span<const std::filesystem::path> directories);

    // Loads the first listed file whose name equals `chosen` exactly; 1 on success, 0 otherwise.
    int load_language(const std::string& chosen);

    // find_language_files, then load_language when any was found; sets the active flag.
    void start_languages(const std::filesystem::path& program_dir, const std::string& chosen);
    void start_languages(std::span<const std::filesystem::path> directories,
                         const std::string& chosen);

    const std::vector<LanguageFile>& language_files() const { return language_files_; }

    // Reads the entries of a language file's contents into the table (the first line, the name,
    // is skipped). Used by load_language; exposed for tests and fuzzing.
    void read_language_entries(std::string_view contents);

private:
    std::array<std::string, kLanguageTableSize> language_table_{};
    std::vector<LanguageFile> language_files_;
    bool language_active_ = false;
};

}  // namespace tc::texts
