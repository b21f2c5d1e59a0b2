// Any bytes as a language file beside the program: found by its name line, chosen by that name and
// loaded entry by entry, as at start-up. Every text it yields must stay within its limits.
#include <memory>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "texts/program_texts.h"

namespace {

using tc::fuzz::require;
using tc::texts::ProgramTexts;

bool within_entry_limits(std::string_view text) {
    return text.size() <= tc::texts::kMaxEntryLength && text.find('\0') == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tc::fuzz::ScratchFolder folder;
    tc::fuzz::write_file(folder.path() / "fuzz.lng", data, size);

    auto texts = std::make_unique<ProgramTexts>();
    const int found = texts->find_language_files(folder.path());
    require(found == 0 || found == 1, "one file is offered at most once");
    if (found == 1) {
        const std::string name = texts->language_files()[0].name;
        require(!name.empty() && name.size() <= tc::texts::kMaxEntryLength,
                "a language name has 1 to 260 characters");
        require(name.find_first_of(std::string_view("\r\0", 2)) == std::string::npos,
                "a language name ends at its line end and at a zero byte");
        texts->set_language_active(texts->load_language(name) == 1);
        require(texts->language_active(), "an offered file loads under its own name");
    } else {
        // A file without a name is not offered; its entries are still read as one would be.
        texts->read_language_entries(std::string_view(reinterpret_cast<const char*>(data), size));
        texts->set_language_active(true);
    }

    for (int id = 0; id < tc::texts::kLanguageTableSize; ++id) {
        const std::string& entry = texts->language_entry(id);
        require(within_entry_limits(entry), "an entry has at most 260 characters and no zero byte");
        if (entry.empty()) continue;
        const std::string text = texts->load_program_text(id);
        require(
            text.size() < tc::texts::kTextBufferSize && entry.compare(0, text.size(), text) == 0,
            "a program text is its entry, cut to fit its buffer");
    }
    require(texts->language_entry(-1).empty() && texts->language_entry(5000).empty(),
            "identifiers outside the table have no entry");
    return 0;
}
