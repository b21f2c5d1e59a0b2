// Any bytes as the choices of a person using the editor: sessions one after the other on a new
// design (or, when the first byte is odd, on a design of random valid records drawn from the next
// byte), each a few hundred actions on the pages and their dialogs, then OK or Cancel, Save and
// Open. Every promise of the editor must hold after each session: Cancel changes nothing, a design
// the checker accepts stays accepted, a new sheet shows what the last one left, and what is saved
// opens and saves to the same bytes.
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "session/random_design.h"
#include "session/random_user.h"

namespace {

const tc::fuzz::ScratchFolder& program_folder() {
    static const tc::fuzz::ScratchFolder folder;
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tc::session_test::ByteChoices choices(data, size);
    tc::session_test::RandomUserHost host(choices);
    tc::shell::Session session(program_folder().path(), host);
    session.start_up();
    const auto design = program_folder().path() / "design.T73";
    if (choices.pick(2) == 1) {
        static const std::vector<tc::Byte> fresh = tc::design_file_bytes(session.document());
        const std::vector<tc::Byte> start =
            tc::session_test::random_valid_design(fresh, static_cast<unsigned>(choices.pick(256)));
        tc::fuzz::write_file(design, start.data(), start.size());
        tc::fuzz::require(
            tc::open_design_file(session.document(), design.string(), session.file_context()),
            "a design of valid records opens");
    }
    while (choices.more()) {
        const std::vector<std::string> broken =
            tc::session_test::random_session(session, host, choices, 300, design);
        for (const std::string& promise : broken) std::fprintf(stderr, "%s\n", promise.c_str());
        tc::fuzz::require(broken.empty(), "the session kept every promise of the editor");
    }
    return 0;
}
