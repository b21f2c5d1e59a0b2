#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "shell/session.h"
#include "ui/headless_host.h"

namespace tc::t73 {

// Where the program texts come from: without a program directory the built-in texts; with one,
// the language files found there and the language named by `language`, or else by that
// directory's INI file.
struct LanguageOptions {
    std::optional<std::string> language;
    std::optional<std::filesystem::path> program_dir;
};

// One run of the program on the headless host, started up in a temporary program directory of
// its own, so that no INI file of the user is read or rewritten. The directory goes with it.
class ToolSession {
  public:
    // A started-up session, or nothing with the reason in `error`.
    static std::unique_ptr<ToolSession> start(const LanguageOptions& options, std::string& error);

    ToolSession(const ToolSession&) = delete;
    ToolSession& operator=(const ToolSession&) = delete;
    ~ToolSession();

    shell::Session& session() { return *session_; }
    ui::HeadlessHost& host() { return host_; }

    // The text of the last message box the program showed, as UTF-8; empty when none was shown.
    std::string last_message() const;

    // A file in the session's own temporary folder, for a design that comes from standard input
    // or goes to standard output.
    std::filesystem::path scratch_file(const std::string& name) const {
        return program_dir_ / name;
    }

  private:
    explicit ToolSession(std::filesystem::path program_dir);

    std::filesystem::path program_dir_;
    ui::HeadlessHost host_;
    std::unique_ptr<shell::Session> session_;
};

}  // namespace tc::t73
