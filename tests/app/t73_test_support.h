#pragma once

#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/t73/run_t73.h"
#include "document/design_file.h"
#include "test_paths.h"
#include "texts/text_slot.h"

namespace tc::t73::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    explicit TempDir(const std::filesystem::path& parent = std::filesystem::temp_directory_path()) {
        std::string pattern = (parent / "t73-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::filesystem::path path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

inline std::vector<Byte> read_bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<Byte>(std::istreambuf_iterator<char>(file), {});
}

inline void write_bytes(const std::string& path, const std::vector<Byte>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

inline void write_text(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
}

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
    const int status = std::system(command.c_str());
    ToolRun run;
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const auto out = read_bytes(out_path);
    const auto err = read_bytes(err_path);
    run.out.assign(out.begin(), out.end());
    run.err.assign(err.begin(), err.end());
    return run;
}

}  // namespace tc::t73::test
