#include "shell/program_places.h"

#include <system_error>

#include "platform/platform.h"

namespace tc::shell {

std::filesystem::path program_dir_for_executable(const std::filesystem::path& executable) {
    const std::filesystem::path bin = executable.parent_path();
    if (bin.filename() == "bin") {
        const std::filesystem::path shared = bin.parent_path() / "share" / kProgramFolderName;
        std::error_code error;
        if (std::filesystem::is_directory(shared, error)) return shared;
    }
    return bin;
}

ProgramPlaces choose_program_places(const std::filesystem::path& program_dir,
                                    bool program_dir_writable,
                                    const std::optional<std::filesystem::path>& config_home) {
    ProgramPlaces places{program_dir, program_dir, {program_dir}};
    if (program_dir_writable || !config_home) return places;
    places.settings_dir = *config_home / kProgramFolderName;
    places.language_dirs.push_back(places.settings_dir);
    return places;
}

ProgramPlaces find_program_places(const std::filesystem::path& program_dir) {
    return choose_program_places(program_dir, platform::is_writable_directory(program_dir),
                                 platform::user_config_home());
}

}  // namespace tc::shell
