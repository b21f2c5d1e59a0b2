#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/t73/tool_io.h"
#include "app/t73/tool_session.h"

namespace tc::t73 {

// The tool's exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRulesBroken = 1;  // `check` found broken rules
inline constexpr int kExitUsage = 2;        // an unknown command or bad arguments
inline constexpr int kExitIo = 3;           // a file or stream that cannot be read or written

// The bytes of a design file that the program accepts (its Open checks pass), as the file holds
// them ("-": standard input); nothing, with the reason on the error stream, otherwise.
std::optional<std::vector<Byte>> read_accepted_file(const LanguageOptions& options,
                                                    const std::string& path, const ToolStreams& io);

// The tool's commands; each returns the exit code and writes the reason of a failure to the
// error stream. "-" as a file name is standard input or output.

// Saves a new design as the program's Save does (the derivation runs).
int command_new(const LanguageOptions& options, const std::string& out_path, const ToolStreams& io);

// Opens a design as the program's Open does (header check, fix-ups) and saves it.
int command_resave(const LanguageOptions& options, const std::string& in_path,
                   const std::string& out_path, const ToolStreams& io);

// Opens a design as `resave` does, opens the editor sheet, shows its five pages once in order
// without an edit, confirms it with OK and saves the design.
int command_confirm(const LanguageOptions& options, const std::string& in_path,
                    const std::string& out_path, const ToolStreams& io);

// Writes the JSON form of a design file, read as it is (no fix-ups).
int command_dump(const LanguageOptions& options, const std::string& in_path, const ToolStreams& io);

// Writes the design file that a JSON form describes.
int command_build(const std::string& json_path, const std::string& out_path, const ToolStreams& io);

// Lists every broken rule of a design file, read as it is (no fix-ups), or "ok"; as a JSON array
// of {"path", "problem"} with `as_json`.
int command_check(const LanguageOptions& options, const std::string& in_path, bool as_json,
                  const ToolStreams& io);

// Writes one HTML page describing the design to `out_path`.
int command_report(const LanguageOptions& options, const std::string& in_path,
                   const std::string& out_path, const ToolStreams& io);

}  // namespace tc::t73
