#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tc::t73 {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Runs the tool on `args` (without the program name): `new`, `resave`, `confirm`, `dump`, `build`,
// `check`, `report`, `preview` or `map`, with the options `--language` and `--program-dir`. Returns the exit code:
// 0 done, 1 failed (the reason on `err`), 2 not understood (an unknown command or bad arguments).
int run_t73(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tc::t73
