#pragma once

#include <string>
#include <vector>

#include "app/t73/tool_io.h"

namespace tc::t73 {

// Runs the tool on `args` (without the program name): `new`, `resave`, `confirm`, `dump`,
// `build`, `check`, `report`, `preview`, `map` or `help`, with the options `--language` and `--program-dir`.
// Returns the exit code: 0 done, 1 `check` found broken rules, 2 not understood (an unknown
// command or bad arguments), 3 a file or stream that could not be read or written (the reason
// on the error stream). A failed write to the output stream is found here, after the command.
int run_t73(const std::vector<std::string>& args, const ToolStreams& io);

}  // namespace tc::t73
