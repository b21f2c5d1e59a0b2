// Any bytes, opened as a design file by the code the Open command runs, into a document held here.
// A rejected file must leave the document exactly as it was; an accepted one must come in whole.
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "document/design_file.h"
#include "fuzz_support.h"
#include "texts/device_texts.h"
#include "texts/message_box.h"
#include "ui/headless_host.h"

namespace {

using tc::Byte;
using tc::fuzz::require;

template <typename Value>
void append_raw(std::vector<Byte>& out, const Value& value) {
    const auto* first = reinterpret_cast<const Byte*>(&value);
    out.insert(out.end(), first, first + sizeof(Value));
}

// Everything Open may change: the records, the device texts, the working copies and the flags.
std::vector<Byte> document_state(const tc::DesignDocument& doc) {
    std::vector<Byte> state = tc::design_file_bytes(doc);
    append_raw(state, doc.reader_working);
    append_raw(state, doc.lookups_working);
    append_raw(state, doc.reader_states);
    state.push_back(doc.modified ? 1 : 0);
    state.push_back(doc.rfid ? 1 : 0);
    state.insert(state.end(), doc.file_name.begin(), doc.file_name.end());
    return state;
}

template <typename Value>
bool same_raw(const Value& a, const Value& b) {
    return std::memcmp(&a, &b, sizeof(Value)) == 0;
}

bool same_bytes(const std::vector<Byte>& image, std::size_t offset, const Byte* data,
                std::size_t size) {
    return std::memcmp(image.data() + offset, data + offset, size) == 0;
}

struct Harness {
    tc::fuzz::ScratchFolder folder;
    const std::string path = (folder.path() / "design.T73").string();
    tc::texts::ProgramTexts texts;
    tc::ui::HeadlessHost host;
    std::vector<std::string> reported;
    tc::FileContext context{texts, host,
                            [this](const std::string& used) { reported.push_back(used); }};
    std::unique_ptr<tc::DesignDocument> before = std::make_unique<tc::DesignDocument>();
    std::unique_ptr<tc::DesignDocument> doc = std::make_unique<tc::DesignDocument>();
    std::vector<Byte> state_before;

    Harness() {
        // A design that differs from a new one everywhere a file could put bytes.
        tc::texts::fill_text_tables(texts, before->device_texts);
        tc::reset_design_document(*before, texts);
        before->forms[3].prompt[2][0] = 'P';
        before->reader_working[0] = 0x5A;
        before->modified = true;
        before->file_name = "previous.T73";
        state_before = document_state(*before);
    }

    void expect_rejected(const Byte* data, std::size_t size) {
        require(document_state(*doc) == state_before,
                "a rejected file leaves the design as it was");
        require(reported.empty(), "a rejected file is not put in the recent-file list");
        require(host.messages().size() == 1, "a rejected file shows one message");
        const std::string header(reinterpret_cast<const char*>(data),
                                 std::min(size, tc::kHeaderSize));
        const int rejection =
            tc::check_header(header) == 0 ? tc::kMessageBadFormat : tc::check_header(header);
        require(host.messages()[0].text == texts.load_program_text(rejection),
                "the message names why the file was rejected");
        require(host.messages()[0].title == "Error", "the message is titled Error");
    }

    void expect_loaded(const Byte* data) {
        require(reported.size() == 1 && reported[0] == path, "an opened file is reported as used");
        require(host.messages().empty(), "an opened file shows no message");
        const std::vector<Byte> image = tc::design_file_bytes(*doc);
        require(same_bytes(image, tc::kMenusOffset, data, tc::kFormsOffset - tc::kMenusOffset),
                "the Menus come from the file");
        require(
            same_bytes(image, tc::kLookupsOffset, data, tc::kReservedOffset - tc::kLookupsOffset),
            "the Lookups and settings come from the file");
        for (const tc::FormRecord& form : doc->forms) {
            for (const auto& prompt : form.prompt) {
                require(tc::slot_text_length(prompt) <= 30, "prompts are cut to 30 characters");
            }
        }
        // A slot without its zero (a damaged file) gives its first 50 characters.
        require(tc::slot_text(doc->device_texts.slot(3104)) ==
                    tc::slot_text(doc->device_texts.slot(3106)).substr(0, 50),
                "text 3104 takes text 3106");
        require(same_raw(doc->reader_working, doc->reader),
                "the reader working copy is the record");
        require(same_raw(doc->lookups_working, doc->lookups),
                "the Lookup working copy is the records");
        require(doc->rfid == (doc->reader[736] != 0), "the RFID flag follows byte 736");
        require(doc->file_name == before->file_name && doc->modified == before->modified,
                "Open leaves the file name and the modified flag to its caller");
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Harness harness;
    tc::fuzz::write_file(harness.path, data, size);
    *harness.doc = *harness.before;
    harness.reported.clear();
    harness.host.clear_record();

    const bool opened = tc::open_design_file(*harness.doc, harness.path, harness.context);

    const std::string header(reinterpret_cast<const char*>(data), std::min(size, tc::kHeaderSize));
    const bool acceptable = size >= tc::kDesignFileSize && tc::check_header(header) == 0;
    require(opened == acceptable, "a whole file with an accepted header opens, nothing else");
    if (opened) {
        harness.expect_loaded(data);
    } else {
        harness.expect_rejected(data, size);
    }
    return 0;
}
