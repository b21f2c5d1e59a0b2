// Any bytes as the records of a design file that opens (the header is made right and the size
// whole), then what a user does next: the editor sheet with every page shown and confirmed with
// OK, and Save. Whatever the records hold, the pages must show them, and what is saved must open
// again.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "document/design_file.h"
#include "document/file_io.h"
#include "fuzz_support.h"
#include "shell/editor_sheet.h"
#include "shell/session.h"
#include "ui/headless_host.h"

namespace {

using tc::Byte;
using tc::fuzz::require;

// The program directory of the sessions, in which each saves its INI file.
const tc::fuzz::ScratchFolder& program_folder() {
    static const tc::fuzz::ScratchFolder folder;
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A session of its own for every input, so that nothing piles up from one to the next.
    tc::ui::HeadlessHost host;
    tc::shell::Session session(program_folder().path(), host);
    session.start_up();
    const std::string path = (program_folder().path() / "design.T73").string();

    std::vector<Byte> image(tc::kDesignFileSize, 0);
    std::copy_n(data, std::min(size, image.size()), image.begin());
    std::copy(tc::kDesignFileHeader.begin(), tc::kDesignFileHeader.end(), image.begin());
    tc::fuzz::write_file(path, image.data(), image.size());
    require(tc::open_design_file(session.document(), path, session.file_context()),
            "a whole file with a good header opens");
    session.document().file_name = path;

    host.on_sheet([](tc::ui::PropertySheet& sheet) {
        for (std::size_t i = 0; i < sheet.page_count(); ++i) sheet.show_page(i);
        sheet.user_presses_ok();
    });
    tc::shell::open_editor_sheet(session);
    require(session.document().modified, "OK on the editor sheet marks the design modified");

    session.command_save();
    require(!session.document().modified, "the edited design is saved");
    const auto saved = tc::read_whole_file(path);
    require(saved && saved->size() == tc::kDesignFileSize, "the saved file is whole");
    require(tc::open_design_file(session.document(), path, session.file_context()),
            "the saved file opens again");
    return 0;
}
