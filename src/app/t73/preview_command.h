#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "app/t73/tool_io.h"
#include "app/t73/tool_session.h"

namespace tc::t73 {

// `t73 preview IN --screen SCREEN -o OUT.png`: the terminal picture showing one screen of the
// design as the program's picture shows it. SCREEN is "start", "main", "form:N" or "menu:N".
int command_preview(const LanguageOptions& options, const std::string& in_path,
                    const std::string& screen, const std::string& out_path, const ToolStreams& io);

// `t73 map IN [-o OUT.svg]`: the map of the application as an SVG image.
int command_map(const LanguageOptions& options, const std::string& in_path,
                const std::string& out_path, const ToolStreams& io);

}  // namespace tc::t73
