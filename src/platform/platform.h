#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The few operating system calls that the standard library does not cover. Everything else in the
// program is written against the standard library; these have one implementation for POSIX
// systems and one for Windows.
namespace tc::platform {

// The program keeps a file name as text: the file system's own bytes on POSIX systems, UTF-8 on
// Windows (whose file names are wide characters). These convert between that text and a path
// without loss; a name is converted for display only where it is shown.
std::filesystem::path to_path(const std::string& file_name);
std::string to_file_name(const std::filesystem::path& path);

// The program's command-line arguments after its own name, file names in the text form above.
// Windows hands `argv` over in the local code page, which cannot hold every file name: there the
// arguments are read again as the wide characters the system keeps.
std::vector<std::string> command_line_arguments(int argc, char** argv);

// Whether this process may create files in `directory`; false when it does not exist or is not a
// directory. Read-only media and missing permissions both count as not writable.
bool is_writable_directory(const std::filesystem::path& directory);

// The folder in which the user's programs keep their settings: $XDG_CONFIG_HOME, else
// $HOME/.config (POSIX), or %APPDATA% (Windows). Nothing when the environment names none.
std::optional<std::filesystem::path> user_config_home();

// A new, empty folder of our own under the system's temporary folder whose name starts with
// `prefix`; nothing when none can be made.
std::optional<std::filesystem::path> make_temporary_directory(const char* prefix);

// Puts standard input and output in binary mode, so that a command-line tool's output (a design
// file's JSON form, its report) holds exactly the bytes it wrote: Windows would otherwise write
// every line feed as CR LF. Nothing to do on POSIX systems.
void use_binary_standard_streams();

}  // namespace tc::platform
