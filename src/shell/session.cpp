#include "shell/session.h"
namespace tc::shell {
// STUB
Session::Session(std::filesystem::path program_dir, ui::Host& host)
    : program_dir_(std::move(program_dir)),
      host_(host),
      texts_(std::make_unique<texts::ProgramTexts>()),
      document_(std::make_unique<DesignDocument>()),
      file_context_{*texts_, host_, [this](const std::string& p) { path_used(p); }} {}
void Session::start_up() {}
void Session::command_new() {}
void Session::command_open() {}
void Session::command_save() {}
void Session::command_save_as() {}
void Session::command_recent_file(std::size_t) {}
bool Session::request_close() { return true; }
void Session::path_used(const std::string&) {}
}  // namespace tc::shell
