#include "shell/preferences.h"
namespace tc::shell {
// STUB
std::filesystem::path ini_path(const std::filesystem::path& program_dir) { return program_dir / "TC7350.ini"; }
Preferences parse_ini(std::string_view, const std::function<bool(const std::string&)>&) { return {}; }
std::string format_ini(const Preferences&) { return {}; }
bool read_ini_file(const std::filesystem::path&, Preferences&) { return false; }
bool write_ini_file(const std::filesystem::path&, const Preferences&) { return false; }
void update_recent_files(Preferences&, const std::string&) {}
std::string recent_file_menu_text(std::size_t, const std::string&) { return {}; }
}  // namespace tc::shell
