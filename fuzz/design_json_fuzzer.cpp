// Any bytes as the JSON that `t73 build` reads, through the command itself. It must either refuse
// them with a reason or write a whole design file whose JSON form builds the same bytes again.
#include <sstream>
#include <string>

#include "app/t73/commands.h"
#include "app/t73/design_json.h"
#include "app/t73/json_writer.h"
#include "app/t73/run_t73.h"
#include "document/design_file.h"
#include "document/file_io.h"
#include "fuzz_support.h"

namespace {

using tc::fuzz::require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tc::fuzz::ScratchFolder folder;
    static const std::string out_path = (folder.path() / "built.T73").string();
    std::filesystem::remove(out_path);

    std::istringstream json(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    const int exit_code = tc::t73::command_build("-", out_path, {json, out, err});

    const auto built = tc::read_whole_file(out_path);
    if (exit_code != tc::t73::kExitOk) {
        require(!err.str().empty(), "a refused JSON form is told why");
        require(!built, "a refused JSON form writes nothing");
        return 0;
    }
    require(built && built->size() == tc::kDesignFileSize, "a built design file is whole");
    std::ostringstream dumped;
    tc::t73::write_json(dumped, tc::t73::dump_design(*built));
    require(tc::t73::build_design(tc::t73::parse_design_json(dumped.str())) == *built,
            "the JSON text of the built file builds the same bytes");
    return 0;
}
