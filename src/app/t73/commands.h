#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/t73/tool_session.h"

namespace tc::t73 {

// The bytes of a design file that the program accepts (its Open checks pass), as the file holds
// them; nothing, with the reason on `err`, otherwise.
std::optional<std::vector<Byte>> read_accepted_file(const LanguageOptions& options,
                                                    const std::string& path, std::ostream& err);

// The tool's commands; each returns the exit code and writes the reason of a failure to `err`.

// Saves a new design as the program's Save does (the derivation runs).
int command_new(const LanguageOptions& options, const std::string& out_path, std::ostream& err);

// Opens a design as the program's Open does (header check, fix-ups) and saves it.
int command_resave(const LanguageOptions& options, const std::string& in_path,
                   const std::string& out_path, std::ostream& err);

// Opens a design as `resave` does, opens the editor sheet, shows its five pages once in order
// without an edit, confirms it with OK and saves the design.
int command_confirm(const LanguageOptions& options, const std::string& in_path,
                    const std::string& out_path, std::ostream& err);

// Writes the JSON form of a design file, read as it is (no fix-ups).
int command_dump(const LanguageOptions& options, const std::string& in_path, std::ostream& out,
                 std::ostream& err);

// Writes the design file that a JSON form describes ("-" reads it from `in`).
int command_build(const std::string& json_path, const std::string& out_path, std::istream& in,
                  std::ostream& err);

// Lists every broken invariant of a design file, read as it is (no fix-ups), or "ok".
int command_check(const LanguageOptions& options, const std::string& in_path, std::ostream& out,
                  std::ostream& err);

}  // namespace tc::t73
