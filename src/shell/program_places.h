#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace tc::shell {

inline constexpr const char* kProgramFolderName = "tc7350";

// Where one run of the program keeps and finds its files.
struct ProgramPlaces {
    // The program directory: the files shipped with the program (the sample language files).
    std::filesystem::path program_dir;
    // The folder of the INI file: the program directory when the program may write there, else
    // the user's configuration folder for this program.
    std::filesystem::path settings_dir;
    // Where language files are looked for, in this order: the program directory, then the
    // settings folder when it is another one.
    std::vector<std::filesystem::path> language_dirs;
};

// The program directory of the program file `executable`: for a program installed as
// <prefix>/bin/tc7350 whose <prefix>/share/tc7350 folder exists, that folder; otherwise the
// folder that holds the program file (a build tree, a program unpacked into one folder).
std::filesystem::path program_dir_for_executable(const std::filesystem::path& executable);

// The places for `program_dir`, given whether it can be written and the user's configuration
// home (nothing when the environment names none; the program directory is then used anyway).
ProgramPlaces choose_program_places(const std::filesystem::path& program_dir,
                                    bool program_dir_writable,
                                    const std::optional<std::filesystem::path>& config_home);

// The places for `program_dir` on this machine, asking the operating system.
ProgramPlaces find_program_places(const std::filesystem::path& program_dir);

}  // namespace tc::shell
