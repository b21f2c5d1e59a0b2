#pragma once

#include <stdlib.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/t73/run_t73.h"
#include "document/design_file.h"
#include "document/test_files.h"
#include "test_paths.h"
#include "texts/text_slot.h"

namespace tc::t73::test {

using TempDir = tc::test::TempFolder;
using tc::test::read_bytes;
using tc::test::write_bytes;
using tc::test::write_text;

// What one run of the tool gave.
struct ToolRun {
    int exit_code = -1;
    std::string out;
    std::string err;
};

inline ToolRun run_tool(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    ToolRun run;
    run.exit_code = run_t73(args, {in, out, err});
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The bytes of a new design as `t73 new` writes them.
inline std::vector<Byte> new_design_bytes() {
    TempDir dir;
    const std::string path = dir.file("new.T73");
    run_tool({"new", path});
    return read_bytes(path);
}

// A whole design file of random bytes whose header names this program's format version.
inline std::vector<Byte> random_design_bytes(unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<Byte> bytes(kDesignFileSize);
    for (Byte& b : bytes) b = static_cast<Byte>(byte(random));
    std::copy(kDesignFileHeader.begin(), kDesignFileHeader.end(), bytes.begin());
    return bytes;
}

// Runs the real binary through the shell; stdout and stderr go to files in `dir`.
inline ToolRun run_binary(const TempDir& dir, const std::string& arguments) {
    const std::string out_path = dir.file("binary.out");
    const std::string err_path = dir.file("binary.err");
    const std::string command = std::string("\"") + tc::test::kT73Path + "\" " + arguments +
                                " >\"" + out_path + "\" 2>\"" + err_path + "\"";
    ToolRun run;
#ifdef _WIN32
    // cmd /c drops the first and the last quote of a command line that starts with one.
    run.exit_code = std::system(("\"" + command + "\"").c_str());
#else
    const int status = std::system(command.c_str());
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    const auto out = read_bytes(out_path);
    const auto err = read_bytes(err_path);
    run.out.assign(out.begin(), out.end());
    run.err.assign(err.begin(), err.end());
    return run;
}

}  // namespace tc::t73::test
