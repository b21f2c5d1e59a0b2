#include "app/t73/tool_session.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/platform.h"
#include "shell/preferences.h"
#include "shell/program_places.h"
#include "texts/windows_1252.h"
#include "ui/shown_text.h"

namespace tc::t73 {
namespace {

bool is_language_file(const std::filesystem::directory_entry& entry) {
    std::string extension = entry.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".lng" && entry.is_regular_file();
}

bool copy_language_files(const std::filesystem::path& from, const std::filesystem::path& to,
                         std::string& error) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(from, ec)) {
        // A name that an earlier folder gave is that folder's file, as for the program.
        if (!is_language_file(entry) || std::filesystem::exists(to / entry.path().filename())) {
            continue;
        }
        std::filesystem::copy_file(entry.path(), to / entry.path().filename(), ec);
        if (ec) break;
    }
    if (ec) error = "cannot copy the language files of " + from.string() + ": " + ec.message();
    return !ec;
}

}  // namespace

ToolSession::ToolSession(std::filesystem::path program_dir)
    : program_dir_(std::move(program_dir)),
      session_(std::make_unique<shell::Session>(program_dir_, host_)) {}

ToolSession::~ToolSession() {
    session_.reset();
    std::error_code ec;
    std::filesystem::remove_all(program_dir_, ec);
}

std::unique_ptr<ToolSession> ToolSession::start(const LanguageOptions& options,
                                                std::string& error) {
    const auto directory = platform::make_temporary_directory("t73-");
    if (!directory) {
        error = "cannot create a temporary program directory";
        return nullptr;
    }
    std::unique_ptr<ToolSession> tool(new ToolSession(*directory));

    std::optional<std::string> language = options.language;
    if (options.program_dir) {
        // The language files of the program directory and, for an installed program, those of
        // the user's configuration folder, where the program looks too.
        const shell::ProgramPlaces places = shell::find_program_places(*options.program_dir);
        for (const std::filesystem::path& folder : places.language_dirs) {
            if (std::filesystem::is_directory(folder) &&
                !copy_language_files(folder, *directory, error)) {
                return nullptr;
            }
        }
        if (!language) {
            shell::Preferences user_preferences;
            // An installed program keeps its INI file in the user's configuration folder.
            shell::read_ini_file(places.settings_dir, user_preferences);
            language = user_preferences.language;
        }
    }
    if (language) {
        // Only the language is taken over: Auto-preload and the recent files stay the user's.
        shell::Preferences preferences;
        preferences.language = *language;
        if (!shell::write_ini_file(*directory, preferences)) {
            error = "cannot write the INI file of the temporary program directory";
            return nullptr;
        }
    }

    tool->session().start_up();
    if (language && *language != shell::kDefaultLanguage &&
        !tool->session().texts().language_active()) {
        error = "no language file named \"" + *language + "\" in " +
                options.program_dir.value_or(".").string() +
                (options.language ? "" : " (the language its INI file names)");
        return nullptr;
    }
    return tool;
}

std::string ToolSession::last_message() const {
    const auto& messages = host_.messages();
    if (messages.empty()) return {};
    // A file name in a message keeps the file system's bytes, as the terminal takes it; the
    // program's texts are Windows-1252.
    std::string text;
    bool file_name = false;
    for (const std::string_view part : ui::shown_text_parts(messages.back().text)) {
        text += file_name ? std::string(part) : texts::utf8_from_windows_1252(part);
        file_name = !file_name;
    }
    return text;
}

}  // namespace tc::t73
